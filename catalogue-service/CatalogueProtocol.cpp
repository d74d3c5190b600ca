#include "CatalogueProtocol.h"

#include <QRegularExpression>

namespace catalogueservice {

namespace {

const QLatin1String kSeparator("<P>");
const QLatin1String kParamPrefix("x00=");
const QLatin1String kVersionSelector("y3333");
constexpr int kSelectorLength = 5;
// "outmsg" and one separator character of the client's choice to skip.
const QLatin1String kUserMessagePrefix("outmsg:");

bool SelectorFromCode(const QString& code, Selector& selector) {
    static const struct {
        const char* code;
        Selector selector;
    } table[] = {{"x8888", Selector::Probe},        {"x4444", Selector::Addresses},
                 {"x5555", Selector::UserMessage},  {"x6666", Selector::Ids},
                 {"x7777", Selector::Descriptions}, {"x9999", Selector::Credits},
                 {"y2222", Selector::AddressesById}};
    for (const auto& row : table) {
        if (code == QLatin1String(row.code)) {
            selector = row.selector;
            return true;
        }
    }
    return false;
}

bool ParseIdList(const QString& payload, QList<int>& ids, QString& error) {
    static const QRegularExpression shape(QStringLiteral("^\\[_(?:\\d{1,5}_)*\\]$"));
    if (!shape.match(payload).hasMatch()) {
        error = QStringLiteral("id list must look like [_12_40_]");
        return false;
    }
    const QStringList parts =
        payload.mid(2, payload.size() - 3).split(QLatin1Char('_'), Qt::SkipEmptyParts);
    for (const QString& part : parts)
        ids.append(part.toInt());
    return true;
}

template <typename Field> QStringList Column(const Catalogue& catalogue, Field field) {
    QStringList items;
    items.reserve(catalogue.entries.size());
    for (const CatalogueEntry& entry : catalogue.entries)
        items.append(field(entry));
    return items;
}

} // namespace

bool ParseCatalogueQuery(const QByteArray& rawQuery, CatalogueQuery& out, QString& error) {
    const QString text = QString::fromLatin1(QByteArray::fromPercentEncoding(rawQuery));
    const QStringList params = text.split(QLatin1Char('&'));
    if (params.value(0) != QLatin1String("p=1")) {
        error = QStringLiteral("query must begin with p=1");
        return false;
    }
    if (params.size() < 2 || !params.at(1).startsWith(kParamPrefix)) {
        error = QStringLiteral("no selector after p=1");
        return false;
    }
    const QString value = params.at(1).mid(kParamPrefix.size());
    CatalogueQuery query;
    if (!SelectorFromCode(value.left(kSelectorLength), query.selector)) {
        error = QStringLiteral("unknown selector %1").arg(value.left(kSelectorLength));
        return false;
    }
    const QString payload = value.mid(kSelectorLength);
    if (query.selector == Selector::AddressesById) {
        if (!ParseIdList(payload, query.ids, error))
            return false;
    } else if (!payload.isEmpty()) {
        error = QStringLiteral("selector %1 takes no data").arg(value.left(kSelectorLength));
        return false;
    }
    // Further x00 parameters may only carry the client version; other names are left for
    // extensions.
    for (qsizetype i = 2; i < params.size(); ++i) {
        if (!params.at(i).startsWith(kParamPrefix))
            continue;
        const QString extra = params.at(i).mid(kParamPrefix.size());
        if (!extra.startsWith(kVersionSelector)) {
            error = QStringLiteral("unexpected parameter %1").arg(params.at(i));
            return false;
        }
        query.clientVersion = extra.mid(kVersionSelector.size());
    }
    out = query;
    return true;
}

QString FormatReply(const QStringList& items) {
    QString reply = kSeparator;
    for (const QString& item : items)
        reply += item + kSeparator;
    return reply;
}

QString ErrorReply(const QString& reason) {
    return FormatReply({QStringLiteral("ERR ") + reason});
}

QString AnswerCatalogueQuery(const Catalogue& catalogue, const CatalogueQuery& query,
                             const QString& base) {
    switch (query.selector) {
    case Selector::Probe:
        return FormatReply({QLatin1String(kProbeMarker)});
    case Selector::Addresses:
        return FormatReply(Column(
            catalogue, [&](const CatalogueEntry& e) { return ExpandAddress(e.address, base); }));
    case Selector::UserMessage:
        return FormatReply({kUserMessagePrefix + catalogue.userMessage});
    case Selector::Ids:
        return FormatReply(
            Column(catalogue, [](const CatalogueEntry& e) { return QString::number(e.id); }));
    case Selector::Descriptions:
        return FormatReply(
            Column(catalogue, [](const CatalogueEntry& e) { return e.description; }));
    case Selector::Credits:
        return FormatReply(Column(catalogue, [](const CatalogueEntry& e) { return e.credit; }));
    case Selector::AddressesById: {
        QStringList items;
        for (int id : query.ids) {
            if (const CatalogueEntry* entry = catalogue.findById(id))
                items.append(ExpandAddress(entry->address, base));
        }
        return FormatReply(items);
    }
    }
    return ErrorReply(QStringLiteral("unhandled selector"));
}

QString HandleCatalogueQuery(const Catalogue& catalogue, const QByteArray& rawQuery,
                             const QString& base) {
    CatalogueQuery query;
    QString error;
    if (!ParseCatalogueQuery(rawQuery, query, error))
        return ErrorReply(error);
    return AnswerCatalogueQuery(catalogue, query, base);
}

} // namespace catalogueservice
