#include "skin.h"

#include "olecolor.h"
#include "wuxoerror.h"

#include <QMetaObject>
#include <QObject>
#include <QVariant>

namespace {

void appendControls(QObject *parent, QList<QObject *> &into)
{
    for (QObject *child : parent->children()) {
        into.append(child);
        appendControls(child, into);
    }
}

void setColor(QObject *control, const char *property, qint32 value)
{
    if (control->metaObject()->indexOfProperty(property) < 0)
        throw WuxoError(ErrorNumber::NoSuchProperty);
    OleColor::toQColor(value); // refuses a value of neither colour form
    control->setProperty(property, QVariant::fromValue(value));
}

} // namespace

namespace Skin {

QList<QObject *> controlsOf(QObject *window)
{
    QList<QObject *> controls;
    appendControls(window, controls);
    return controls;
}

} // namespace Skin

void ApplySkin(QObject *window, const SkinColors &colors)
{
    using namespace Skin;
    for (QObject *control : controlsOf(window)) {
        const QVariant tag = control->property(tagProperty);
        if (!tag.isValid())
            continue;
        const QString role = tag.toString();
        if (role == QLatin1String("SkinBackgroundB")) {
            setColor(control, backColor, colors.SkinBackgroundB);
        } else if (role == QLatin1String("SkinBackgroundF")) {
            setColor(control, foreColor, colors.SkinBackgroundF);
        } else if (role == QLatin1String("SkinHeader")) {
            setColor(control, backColor, colors.SkinHeaderB);
            setColor(control, borderColor, colors.SkinOutlineF);
        } else if (role == QLatin1String("SkinHeaderF")) {
            setColor(control, foreColor, colors.SkinHeaderF);
        } else if (role == QLatin1String("SkinTextArea")) {
            setColor(control, backColor, colors.SkinTextAreaB);
            setColor(control, foreColor, colors.SkinTextAreaF);
        } else if (role == QLatin1String("SkinButton")) {
            setColor(control, backColor, colors.SkinButtonB);
            setColor(control, borderColor, colors.SkinOutlineF);
        } else if (role == QLatin1String("SkinButtonB")) {
            setColor(control, backColor, colors.SkinButtonB);
        } else if (role == QLatin1String("SkinOutline")) {
            setColor(control, borderColor, colors.SkinOutlineF);
        }
    }
}

void ApplySkin(QObject *window)
{
    ApplySkin(window, prefs().colors);
}
