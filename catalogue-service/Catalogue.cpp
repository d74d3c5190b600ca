#include "Catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace catalogueservice {

namespace {

// The client splits a credit record at "-" into five fields and shows a message (which closes by
// itself) for every further "-": such a record is served, with a warning to the operator.
constexpr int kMaxCreditSeparators = 4;

bool IsLatin1(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

// A text that would change how the client cuts or judges the reply: it would split an item in
// two, mark the whole reply as an error, or end the client's list early.
QString ItemProblem(const QString& text, bool mayBeEmpty) {
    if (!mayBeEmpty && text.isEmpty())
        return QStringLiteral("is empty");
    if (text.contains(QLatin1String("<P>"), Qt::CaseInsensitive))
        return QStringLiteral("contains the reply separator <P>");
    if (text.startsWith(QLatin1String("ERR")))
        return QStringLiteral("begins with ERR, which the client reads as an error reply");
    if (!IsLatin1(text))
        return QStringLiteral("has characters outside Latin-1");
    return {};
}

bool ReadEntry(const QJsonObject& object, int position, CatalogueEntry& entry, QString& error,
               QStringList& warnings) {
    const QString where = QStringLiteral("entry %1").arg(position);
    const QJsonValue idValue = object.value(QLatin1String("id"));
    const double id = idValue.toDouble(-1);
    if (!idValue.isDouble() || id != static_cast<int>(id) || id < 1 || id > kMaxId) {
        error = where + QStringLiteral(": \"id\" must be a whole number from 1 to %1").arg(kMaxId);
        return false;
    }
    entry.id = static_cast<int>(id);
    entry.address = object.value(QLatin1String("address")).toString();
    entry.description = object.value(QLatin1String("description")).toString();
    entry.credit = object.value(QLatin1String("credit")).toString();

    const QString problem = EntryProblem(entry);
    if (!problem.isEmpty()) {
        error = QStringLiteral("%1 (id %2): %3").arg(where, QString::number(entry.id), problem);
        return false;
    }
    if (entry.credit.count(QLatin1Char('-')) > kMaxCreditSeparators) {
        warnings << QStringLiteral("%1 (id %2): \"credit\" has more than %3 \"-\"; the "
                                   "program shows a message for each further one")
                        .arg(where)
                        .arg(entry.id)
                        .arg(kMaxCreditSeparators);
    }
    return true;
}

} // namespace

QString EntryProblem(const CatalogueEntry& entry) {
    const struct {
        const char* name;
        const QString& text;
        bool mayBeEmpty;
    } fields[] = {{"address", entry.address, false},
                  {"description", entry.description, false},
                  {"credit", entry.credit, true}};
    for (const auto& field : fields) {
        const QString problem = ItemProblem(field.text, field.mayBeEmpty);
        if (!problem.isEmpty())
            return QStringLiteral("\"%1\" %2").arg(QLatin1String(field.name), problem);
    }
    return {};
}

const CatalogueEntry* Catalogue::findById(int id) const {
    for (const CatalogueEntry& entry : entries) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

bool ParseCatalogue(const QByteArray& json, const QString& baseDir, Catalogue& out,
                    QString& error) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QStringLiteral("not valid JSON at offset %1: %2")
                    .arg(parseError.offset)
                    .arg(parseError.errorString());
        return false;
    }
    if (!document.isObject()) {
        error = QStringLiteral("the top level must be a JSON object");
        return false;
    }
    const QJsonObject root = document.object();
    Catalogue catalogue;
    catalogue.userMessage = root.value(QLatin1String("userMessage")).toString();
    if (!IsLatin1(catalogue.userMessage) ||
        catalogue.userMessage.contains(QLatin1String("<P>"), Qt::CaseInsensitive)) {
        error = QStringLiteral("\"userMessage\" must be Latin-1 text without <P>");
        return false;
    }
    const QJsonObject version = root.value(QLatin1String("versionPage")).toObject();
    catalogue.programVersion =
        version.value(QLatin1String("programVersion")).toString(catalogue.programVersion);
    catalogue.collectionsId =
        version.value(QLatin1String("collectionsId")).toString(catalogue.collectionsId);
    const QString package = root.value(QLatin1String("collectionsPackage")).toString();
    if (!package.isEmpty())
        catalogue.collectionsPackage = QDir(baseDir).absoluteFilePath(package);

    const QJsonValue entriesValue = root.value(QLatin1String("entries"));
    if (!entriesValue.isArray()) {
        error = QStringLiteral("\"entries\" must be an array");
        return false;
    }
    const QJsonArray entries = entriesValue.toArray();
    if (entries.size() > kMaxEntries) {
        error = QStringLiteral("more than %1 entries").arg(kMaxEntries);
        return false;
    }
    QSet<int> ids;
    for (int i = 0; i < entries.size(); ++i) {
        if (!entries.at(i).isObject()) {
            error = QStringLiteral("entry %1 is not an object").arg(i);
            return false;
        }
        CatalogueEntry entry;
        if (!ReadEntry(entries.at(i).toObject(), i, entry, error, catalogue.warnings))
            return false;
        if (ids.contains(entry.id)) {
            error = QStringLiteral("entry %1: id %2 is used twice").arg(i).arg(entry.id);
            return false;
        }
        ids.insert(entry.id);
        catalogue.entries.append(entry);
    }
    out = catalogue;
    return true;
}

bool LoadCatalogueFile(const QString& path, Catalogue& out, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QString parseError;
    if (!ParseCatalogue(file.readAll(), QFileInfo(path).absolutePath(), out, parseError)) {
        error = path + QStringLiteral(": ") + parseError;
        return false;
    }
    return true;
}

QString ExpandAddress(const QString& address, const QString& base) {
    QString host = base;
    const qsizetype schemeEnd = host.indexOf(QLatin1String("://"));
    if (schemeEnd >= 0)
        host.remove(0, schemeEnd + 3);
    QString expanded = address;
    expanded.replace(QLatin1String("{base}"), base);
    expanded.replace(QLatin1String("{host}"), host);
    return expanded;
}

} // namespace catalogueservice
