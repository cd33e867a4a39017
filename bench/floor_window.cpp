// The floor that the calculator's start-up is measured against: a bare Qt
// window with the calculator's 37 controls, built from the same control table
// with the same captions, places, label fonts and colours, and nothing else:
// no procedures or events, no locale, no printing, no icon, and the dialog
// font left as the platform gives it where the calculator shrinks a caption
// to fit its box. Titled differently so that the map watcher can tell the two
// apart.

#include "ui/control_table.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* createControl(const ui::ControlRow& row, QWidget* parent)
{
    const QString caption = toQString(row.caption);
    switch (ui::kindOf(row)) {
    case ui::ControlKind::TextField:
        return new QLineEdit(parent);
    case ui::ControlKind::Label:
        return new QLabel(caption, parent);
    case ui::ControlKind::Button:
        return new QPushButton(caption, parent);
    case ui::ControlKind::OptionButton:
        return new QRadioButton(caption, parent);
    case ui::ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    }
    return nullptr;
}

void styleLabel(QLabel& label, const ui::ControlRow& row)
{
    QFont font(toQString(ui::kLabelFontFamily));
    font.setPointSizeF(row.pointSize);
    font.setBold(true);
    font.setUnderline(row.underlined);
    label.setFont(font);
    label.setWordWrap(true);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Torvane floor"));
    window.setFixedSize(ui::kClientWidthTwips / ui::kTwipsPerPixel, ui::kClientHeightTwips / ui::kTwipsPerPixel);
    for (const ui::ControlRow& row : ui::kControls) {
        QWidget* control = createControl(row, &window);
        control->setGeometry(row.left / ui::kTwipsPerPixel, row.top / ui::kTwipsPerPixel,
                             row.width / ui::kTwipsPerPixel, row.height / ui::kTwipsPerPixel);
        if (auto* label = qobject_cast<QLabel*>(control)) styleLabel(*label, row);
        if (row.textColour) {
            QPalette palette = control->palette();
            const QColor colour(row.textColour->red, row.textColour->green, row.textColour->blue);
            palette.setColor(QPalette::WindowText, colour);
            palette.setColor(QPalette::Text, colour);
            control->setPalette(palette);
        }
    }
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
