// ucAniGIF: reading and writing the control's properties in the container's data store.
#include "anigif/ucAniGIF.h"

using namespace anigif;

namespace {

qint32 readInt(PropertyBag& bag, const QString& name, qint32 fallback) {
    bool ok = false;
    const qint32 value = bag.ReadProperty(name, fallback).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

void ucAniGIF::ReadProperties(PropertyBag& bag) {
    const QByteArray gif = bag.ReadProperty(prop::GIF, QVariant()).toByteArray();
    m_player.setMinFrameDelay(qint16(readInt(bag, prop::Delay, defaults::Delay)));
    const qint32 stretch = readInt(bag, prop::Stretch, defaults::Stretch);
    const qint32 mode = stretch & ~AutoSizeFlag;
    m_stretch = (mode >= ActualSizeClipped && mode <= ActualSize) ? mode : defaults::Stretch;
    m_autoSize = (stretch & AutoSizeFlag) != 0;
    qint32 delayLoad = readInt(bag, prop::DelayLoad, defaults::DelayLoad);
    if (delayLoad < 0 || delayLoad > 3)
        delayLoad = defaults::DelayLoad;
    m_delayAnimation = delayLoad;
    const qint32 mirror = readInt(bag, prop::Mirror, defaults::Mirror);
    m_mirror = (mirror >= 0 && mirror <= 3) ? mirror : defaults::Mirror;
    QWidget::setEnabled(bag.ReadProperty(prop::Enabled, defaults::Enabled).toBool());
    m_mouseIcon = bag.ReadProperty(prop::MouseIcon, QVariant()).value<QPixmap>();
    const qint32 pointer = qint16(readInt(bag, prop::MousePointer, defaults::MousePointer));
    m_backColor = quint32(readInt(bag, prop::BkgFill, defaults::BkgFill));
    const qint32 backStyle = readInt(bag, prop::BkgUsed, defaults::BkgUsed);
    m_backStyle = (backStyle == 1) ? 1 : 0;
    m_player.setSteppedDelay(readInt(bag, prop::StepDelay, defaults::StepDelay));
    m_offsetX = readInt(bag, prop::OffsetX, defaults::OffsetX);
    m_offsetY = readInt(bag, prop::OffsetY, defaults::OffsetY);
    m_mousePointer = pointer;
    applyCursor();

    m_gif.Buffer = gif;
    if (LoadGifBytes() > 0)
        m_player.setLoops(qint16(readInt(bag, prop::Loops, defaults::Loops)));
}

void ucAniGIF::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(prop::GIF, m_gif.Buffer, QVariant());
    bag.WriteProperty(prop::Delay, qint16(m_player.minFrameDelay()), defaults::Delay);
    bag.WriteProperty(prop::Stretch, m_stretch | (m_autoSize ? AutoSizeFlag : 0),
                      defaults::Stretch);
    bag.WriteProperty(prop::Loops, m_player.loops(), defaults::Loops);
    bag.WriteProperty(prop::DelayLoad, m_delayAnimation, defaults::DelayLoad);
    bag.WriteProperty(prop::Mirror, m_mirror, defaults::Mirror);
    bag.WriteProperty(prop::MouseIcon, m_mouseIcon.isNull() ? QVariant() : QVariant(m_mouseIcon),
                      QVariant());
    bag.WriteProperty(prop::MousePointer, qint16(m_mousePointer), defaults::MousePointer);
    bag.WriteProperty(prop::Enabled, isEnabled(), defaults::Enabled);
    bag.WriteProperty(prop::OffsetX, m_offsetX, defaults::OffsetX);
    bag.WriteProperty(prop::OffsetY, m_offsetY, defaults::OffsetY);
    bag.WriteProperty(prop::BkgFill, qint32(m_backColor), defaults::BkgFill);
    bag.WriteProperty(prop::BkgUsed, m_backStyle, defaults::BkgUsed);
    bag.WriteProperty(prop::StepDelay, m_player.steppedDelay(), defaults::StepDelay);
}
