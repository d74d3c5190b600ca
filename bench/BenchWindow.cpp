#include "BenchWindow.h"

#include "core/FormPicture.h"
#include "core/ProgramEnd.h"
#include "platform/fakes/FakePlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

void BenchWindow::prepareEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

BenchWindow::BenchWindow() = default;

BenchWindow::~BenchWindow() {
    form_.reset();
    service_.reset();
}

bool BenchWindow::start() {
    QString error;
    if (!catalogueservice::LoadCatalogueFile(QStringLiteral(":/catalogues/demo.json"), catalogue_,
                                             error)) {
        std::fprintf(stderr, "demo catalogue: %s\n", qPrintable(error));
        return false;
    }
    log_.setEchoToStderr(false);
    service_ = std::make_unique<catalogueservice::CatalogueServer>(catalogue_, log_);
    const quint16 port = service_->start(QHostAddress::LocalHost, 0);
    if (port == 0) {
        std::fprintf(stderr, "the catalogue service cannot listen\n");
        return false;
    }

    const QString programDir = root_.path() + QStringLiteral("/App/Nimbrisco");
    QDir().mkpath(programDir);
    QFile::copy(QStringLiteral(":/pic_not_available.gif"),
                programDir + QStringLiteral("/pic_not_available.gif"));
    platform_ = makeFakePlatform(programDir);
    form_ = std::make_unique<FormPicture>(*platform_, QString());
    // A first run writes the default settings and selection.
    form_->Form_Load();
    stopTimers();
    AppState& s = form_->state;
    s.Lingua = 1;
    // The start logo and the panel-control timer are over: the benchmark drives from here.
    s.firstLaunch = 2;
    s.endpointBase = QStringLiteral("http://127.0.0.1:%1/nimbrisco/catalogue?").arg(port);
    form_->show();
    return true;
}

void BenchWindow::stopTimers() {
    programend::stopShow(form_->window());
}
