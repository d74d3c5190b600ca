// The catalogue protocol: reading a selector query and writing the "<P>"-separated reply.
#pragma once

#include "Catalogue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace catalogueservice {

enum class Selector {
    Probe,         // x8888
    Addresses,     // x4444
    UserMessage,   // x5555
    Ids,           // x6666
    Descriptions,  // x7777
    Credits,       // x9999
    AddressesById, // y2222 followed by an id list such as [_12_40_]
};

struct CatalogueQuery {
    Selector selector = Selector::Probe;
    // AddressesById only, in the order asked for.
    QList<int> ids;
    // What followed "&x00=y3333"; empty when the client sent none.
    QString clientVersion;
};

// The marker the client looks for in the answer to its connection probe.
inline constexpr char kProbeMarker[] = "ZEP_REPLY_TO_CLIENT";

// Reads a query as sent (percent-escapes are decoded first). On failure returns false with a
// short reason for the error reply.
bool ParseCatalogueQuery(const QByteArray& rawQuery, CatalogueQuery& out, QString& error);

// "<P>item1<P>item2<P>...<P>"; no items give "<P>".
QString FormatReply(const QStringList& items);

// A reply the client takes as an error: its only item begins with "ERR".
QString ErrorReply(const QString& reason);

// The reply to a parsed query; base ("http://host:port") fills the address tokens. Unknown ids
// in an id list are left out.
QString AnswerCatalogueQuery(const Catalogue& catalogue, const CatalogueQuery& query,
                             const QString& base);

// The whole exchange: parse, then answer or explain the error.
QString HandleCatalogueQuery(const Catalogue& catalogue, const QByteArray& rawQuery,
                             const QString& base);

} // namespace catalogueservice
