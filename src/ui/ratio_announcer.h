#pragma once
// Tells a screen reader the ratio that Calculate wrote, in one sentence, and
// leaves the focus where it is. The ratio label never has the focus, and Qt
// tells nothing a screen reader speaks when a label's text changes; a
// notification that shows is spoken at once.

#include <QWidget>

namespace ui {

class RatioAnnouncer : public QWidget {
    Q_OBJECT

public:
    // Hidden; a screen reader knows it as a notification whose name is the
    // sentence.
    explicit RatioAnnouncer(QWidget* parent);

    void announce(const QString& ratio);
    // How many were sent, since the offscreen platform delivers none.
    int announcements() const { return announcements_; }

private:
    int announcements_ = 0;
};

} // namespace ui
