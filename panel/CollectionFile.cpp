#include "panel/CollectionFile.h"

#include "base/ItemCodes.h"

#include <QFile>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <array>
#include <filesystem>
#include <vector>

namespace collection {

namespace {

const QString kPicItem = QStringLiteral("PicItem");
const QString kCodePic = QStringLiteral("CodePic");

// Bytes 0x80 to 0x9F of Windows-1252; the five it leaves undefined keep their Latin-1 value.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool allowedInXml(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// `text` as element content: what XML cannot hold at all becomes "_"; with `escape` the
// markup characters are escaped, else they become "_" too.
QString content(const QString& text, bool escape) {
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else if (c.isSurrogate() || !allowedInXml(c.unicode())) {
            out += QLatin1Char('_');
        } else if (c == QLatin1Char('&')) {
            out += escape ? QStringLiteral("&amp;") : QStringLiteral("_");
        } else if (c == QLatin1Char('<')) {
            out += escape ? QStringLiteral("&lt;") : QStringLiteral("_");
        } else if (c == QLatin1Char('>')) {
            out += escape ? QStringLiteral("&gt;") : QStringLiteral("_");
        } else {
            out += c;
        }
    }
    return out;
}

// The text without the spaces at its ends (tabs and line ends stay, as they always did).
QString withoutOuterSpaces(const QString& text) {
    int from = 0;
    int to = text.size();
    while (from < to && text[from] == QLatin1Char(' '))
        ++from;
    while (to > from && text[to - 1] == QLatin1Char(' '))
        --to;
    return text.mid(from, to - from);
}

} // namespace

QString stamp(const QDateTime& at) {
    return at.toString(QStringLiteral("MMddyyyy_HHmmss"));
}

QString fileName(const QString& stamp, const QString& extension) {
    return QStringLiteral("Nimbrisco_Collection_") + stamp + extension;
}

QByteArray document(const QString& thisFile, const QDateTime& date, const QStringList& itemTexts) {
    QStringList lines{
        QStringLiteral("<?xml version=\"1.0\"?>"),
        QStringLiteral("<NimbriscoCollection>"),
        QStringLiteral("\t<NimbriscoVersion>5</NimbriscoVersion>"),
        QStringLiteral("\t<Description>Nimbrisco5 Pictures Collection</Description>"),
        QStringLiteral("\t<number>00001</number>"),
        QStringLiteral("\t<ThisFile>") + content(thisFile, true) + QStringLiteral("</ThisFile>"),
        QStringLiteral("\t<Autor>Created by User</Autor>"),
        QStringLiteral("\t<date>") + date.toString(QStringLiteral("MM-dd-yyyy HH:mm:ss")) +
            QStringLiteral("</date>"),
        QStringLiteral("\t<PicList>"),
    };
    for (const QString& item : itemTexts) {
        lines << QStringLiteral("\t\t<PicItem>")
              << QStringLiteral("\t\t\t<CodePic>") + content(CollectionCodeOf(item), true) +
                     QStringLiteral("</CodePic>")
              << QStringLiteral("\t\t\t<Description>") + content(item, false) +
                     QStringLiteral("</Description>")
              << QStringLiteral("\t\t</PicItem>");
    }
    lines << QStringLiteral("\t</PicList>") << QStringLiteral("</NimbriscoCollection>");
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        text += byte >= 0x80 && byte <= 0x9F ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

ReadResult readCodes(const QByteArray& bytes) {
    ReadResult result;
    if (bytes.size() > kMaxFileBytes) {
        result.status = ReadResult::Status::TooLarge;
        return result;
    }
    // A decoded text makes the reader ignore the encoding a declaration may name. It never
    // fetches an external entity, and bounds the expansion of internal ones.
    QXmlStreamReader xml(decode(bytes));
    std::vector<bool> inPicItem; // per open element: is it a PicItem
    int items = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && !inPicItem.empty()) {
            inPicItem.pop_back();
        } else if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == kCodePic && !inPicItem.empty() && inPicItem.back()) {
                result.codes << withoutOuterSpaces(
                    xml.readElementText(QXmlStreamReader::IncludeChildElements));
                continue;
            }
            const bool picItem = xml.name() == kPicItem;
            if (picItem && ++items > kMaxItems) {
                result.status = ReadResult::Status::TooManyItems;
                result.codes.clear();
                return result;
            }
            inPicItem.push_back(picItem);
        }
    }
    if (xml.hasError()) {
        result.codes.clear();
        return result;
    }
    result.status = ReadResult::Status::Ok;
    return result;
}

ReadResult readFile(const QString& path) {
    ReadResult unreadable;
    std::error_code error;
    // Only a plain file: a device or a pipe could be endless or never answer.
    if (!std::filesystem::is_regular_file(QFile::encodeName(path).toStdString(), error))
        return unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable;
    if (file.size() > kMaxFileBytes) {
        ReadResult tooLarge;
        tooLarge.status = ReadResult::Status::TooLarge;
        return tooLarge;
    }
    // One byte beyond the bound shows a file that grew since its size was read.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return unreadable;
    return readCodes(bytes);
}

} // namespace collection
