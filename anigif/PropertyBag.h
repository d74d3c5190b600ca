// The container's design-time data store as the control sees it, and the names and
// defaults under which the control persists its properties.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

namespace anigif {

// Reading returns the default when a name is absent; writing receives the default so that
// a store can leave default values out.
class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    virtual QVariant ReadProperty(const QString& name, const QVariant& defaultValue) = 0;
    virtual void WriteProperty(const QString& name, const QVariant& value,
                               const QVariant& defaultValue) = 0;
};

// A bag held in memory, serialisable to bytes; it records the order of reads and writes.
class MemoryPropertyBag : public PropertyBag {
public:
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue) override;
    void WriteProperty(const QString& name, const QVariant& value,
                       const QVariant& defaultValue) override;

    const QVariantMap& values() const { return m_values; }
    const QStringList& readOrder() const { return m_reads; }
    const QStringList& writeOrder() const { return m_writes; }

    QByteArray toBytes() const;
    // Fails (false, bag unchanged) on bytes that are not a stored bag.
    bool fromBytes(const QByteArray& bytes);

private:
    QVariantMap m_values;
    QStringList m_reads;
    QStringList m_writes;
};

// Persisted names, in the order of the table of persisted properties.
namespace prop {
inline const QString GIF = QStringLiteral("GIF");
inline const QString Delay = QStringLiteral("Delay");
inline const QString Stretch = QStringLiteral("Stretch");
inline const QString Loops = QStringLiteral("Loops");
inline const QString DelayLoad = QStringLiteral("DelayLoad");
inline const QString Mirror = QStringLiteral("Mirror");
inline const QString Enabled = QStringLiteral("Enabled");
inline const QString MouseIcon = QStringLiteral("MouseIcon");
inline const QString MousePointer = QStringLiteral("MousePointer");
inline const QString BkgFill = QStringLiteral("BkgFill");
inline const QString BkgUsed = QStringLiteral("BkgUsed");
inline const QString StepDelay = QStringLiteral("StepDelay");
inline const QString OffsetX = QStringLiteral("OffsetX");
inline const QString OffsetY = QStringLiteral("OffsetY");
} // namespace prop

namespace defaults {
constexpr qint16 Delay = 50;
constexpr qint32 Stretch = 1;
constexpr qint32 Loops = 0;
constexpr qint32 DelayLoad = 1;
constexpr qint32 Mirror = 0;
constexpr bool Enabled = true;
constexpr qint16 MousePointer = 0;
constexpr qint32 BkgFill = qint32(0x8000000Fu);
constexpr qint32 BkgUsed = 0;
constexpr qint32 StepDelay = 0;
constexpr qint32 OffsetX = 0;
constexpr qint32 OffsetY = 0;
} // namespace defaults

} // namespace anigif
