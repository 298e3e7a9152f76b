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

void setTag(QObject *control, const char *role)
{
    control->setProperty(tagProperty, QString::fromLatin1(role));
}

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
        const QString name = tag.toString();
        for (const Role &role : roles) {
            if (name != QLatin1String(role.name))
                continue;
            for (const RoleColor &color : role.colors) {
                if (color.property)
                    setColor(control, color.property, colors.*color.color);
            }
            break;
        }
    }
}

void ApplySkin(QObject *window)
{
    ApplySkin(window, prefs().colors);
}
