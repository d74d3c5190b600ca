#include "anigif/PropertyBag.h"

#include <QDataStream>
#include <QIODevice>

namespace anigif {

namespace {
constexpr quint32 bagMagic = 0x41474231; // "AGB1"
}

QVariant MemoryPropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) {
    m_reads.append(name);
    return m_values.value(name, defaultValue);
}

void MemoryPropertyBag::WriteProperty(const QString& name, const QVariant& value,
                                      const QVariant& defaultValue) {
    m_writes.append(name);
    const bool isDefault = defaultValue.isValid() ? value == defaultValue : !value.isValid();
    if (isDefault)
        m_values.remove(name);
    else
        m_values.insert(name, value);
}

QByteArray MemoryPropertyBag::toBytes() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << bagMagic << m_values;
    return bytes;
}

bool MemoryPropertyBag::fromBytes(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    QVariantMap values;
    in >> magic >> values;
    if (in.status() != QDataStream::Ok || magic != bagMagic)
        return false;
    m_values = values;
    return true;
}

} // namespace anigif
