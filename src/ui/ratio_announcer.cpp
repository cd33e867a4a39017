#include "ui/ratio_announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QtGlobal>

namespace ui {

namespace {

QAccessibleInterface* notificationFor(const QString&, QObject* object)
{
    if (auto* announcer = qobject_cast<RatioAnnouncer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

} // namespace

RatioAnnouncer::RatioAnnouncer(QWidget* parent) : QWidget(parent)
{
    // Once, and only now that the application exists.
    static const bool installed = [] {
        QAccessible::installFactory(notificationFor);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("ratioAnnouncer"));
    hide();
}

void RatioAnnouncer::announce(const QString& ratio)
{
    const QString sentence = tr("Compression ratio %1 : 1").arg(ratio);
    setAccessibleName(sentence);
    ++announcements_;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent said(this, sentence);
    QAccessible::updateAccessibility(&said);
#endif
}

} // namespace ui
