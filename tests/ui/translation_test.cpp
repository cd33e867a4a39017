// The window in other languages: German words with Qt's own German buttons,
// every text the window can show going through the catalogue, and the ratio
// told to a screen reader.

#include "ui/ratio_announcer.h"
#include "ui/translations.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QTest>

namespace ui::testing {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

// A German desktop: its words and its decimal comma.
class GermanDesktop : public WindowTest {
protected:
    GermanDesktop() : WindowTest(kGerman) {}
    Translations translations_{kGerman};
};

TEST_F(GermanDesktop, speaks_german_with_qts_own_buttons)
{
    EXPECT_EQ(caption("Label3"), "Hub");
    QString okButton;
    whileNextBoxIsOpen(
        [&] { okButton = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->buttons().front()->text(); });
    click("calc");
    const auto boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Alle Werte müssen eingegeben werden");
    // Qt's German catalogue is loaded: its OK is spelled OK, its Cancel not.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    EXPECT_EQ(okButton.remove('&'), "OK");
}

// The solving shortcut as Qt's German catalogue writes it; no catalogue spells
// a shortcut out, so each language shows its own.
TEST_F(GermanDesktop, names_the_shortcut_as_the_desktop_does)
{
    const QString tip = control("chamb")->toolTip();
    EXPECT_TRUE(tip.startsWith("Mit Strg+T oder „Wert für Zielverdichtung ermitteln…“")) << tip.toStdString();
    for (const char* language : {"de", "fr", "es"}) {
        QFile catalogue(QStringLiteral(TORVANE_TESTS_DIR "/../translations/torvane_%1.ts").arg(language));
        ASSERT_TRUE(catalogue.open(QIODevice::ReadOnly)) << language;
        EXPECT_FALSE(catalogue.readAll().contains("Ctrl+")) << language;
    }
}

// Every text the window and its boxes show, from a catalogue that marks each
// entry: a text without the mark escaped translation.
class PseudoTranslated : public WindowTest {
protected:
    static constexpr QStringView kMark = u"[~]";

    PseudoTranslated()
    {
        EXPECT_TRUE(pseudo_.load(QStringLiteral(TORVANE_PSEUDO_QM)));
        QCoreApplication::installTranslator(&pseudo_);
    }
    ~PseudoTranslated() override { QCoreApplication::removeTranslator(&pseudo_); }

    // Figures and the words that stay the same in every language.
    static bool staysAsItIs(const QString& text)
    {
        bool figure = false;
        QLocale::c().toDouble(text, &figure);
        return text.isEmpty() || figure || text == "Torvane - Quenvar" || text == "Cu In" || text == "CC" ||
               text == "mm" || text == ":1";
    }

    // The widget's and its children's texts, tool tips, actions and what a
    // screen reader hears, each on its own lines.
    void expectMarked(QWidget* top)
    {
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets.prepend(top);
        for (QWidget* widget : widgets) {
            if (qobject_cast<QDialogButtonBox*>(widget->parentWidget())) continue; // Qt's own buttons
            QStringList texts{widget->toolTip(), widget->isWindow() ? widget->windowTitle() : QString()};
            if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
            if (QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(widget))
                texts << heard->text(QAccessible::Name) << heard->text(QAccessible::Description);
            for (const QAction* action : widget->actions())
                texts << action->text();
            for (const QString& text : texts) {
                for (const QString& line : text.split('\n')) {
                    if (staysAsItIs(line)) continue;
                    EXPECT_TRUE(line.startsWith(kMark))
                        << widget->objectName().toStdString() << ": " << line.toStdString();
                }
            }
        }
    }

    void expectBoxMarked(const std::function<void()>& opening)
    {
        whileNextBoxIsOpen([this] { expectMarked(QApplication::activeModalWidget()); });
        opening();
        EXPECT_EQ(takeBoxes(3000).size(), 1u);
        activate();
    }

    QTranslator pseudo_;
};

TEST_F(PseudoTranslated, every_text_of_the_window_and_its_boxes_is_translated)
{
    expectMarked(window.get());
    expectBoxMarked([this] { click("calc"); }); // all values must be entered
    expectBoxMarked([this] {                    // the gasket reminder
        typeInto("gasketvol", "");
        pressTab();
    });
    typeFirstExample();
    expectBoxMarked([this] { // a figure that is not a number
        typeInto("bore", "4,03x");
        click("calc");
    });
    typeInto("bore", "4.030");
    click("calc");
    expectMarked(window.get()); // the ratio told to a screen reader

    // The solve dialog, with a refusal, then with a figure.
    EXPECT_TRUE(solveIn("chamb", [this](QDialog& dialog) {
        for (const char* ratio : {"1", "10.5"}) {
            dialog.findChild<QLineEdit*>()->setText(QString::fromLatin1(ratio));
            expectMarked(&dialog);
        }
        dialog.reject();
    }));
    activate();
    expectBoxMarked([this] { // solving for the thickness with no gasket bore
        QTest::mouseClick(control("compthick"), Qt::LeftButton);
        QTest::keyClick(control("compthick"), Qt::Key_T, Qt::ControlModifier);
    });

    // A printer error, from a print server that is not there.
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    expectBoxMarked([this] { click("print"); });
    qunsetenv("CUPS_SERVER");
}

using ScreenReader = WindowTest;

TEST_F(ScreenReader, hears_each_ratio_calculate_writes_but_no_failed_calculate)
{
    auto* announcer = window->findChild<RatioAnnouncer*>();
    ASSERT_TRUE(announcer);
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(announcer);
    ASSERT_TRUE(heard);
    EXPECT_EQ(heard->role(), QAccessible::Notification);

    click("calc"); // its box is heard instead
    typeFirstExample();
    click("calc");
    EXPECT_EQ(announcer->announcements(), 1);
    EXPECT_EQ(heard->text(QAccessible::Name), "Compression ratio 9.9417 : 1");
    typeInto("deck", "x");
    click("calc");
    EXPECT_EQ(takeBoxes().size(), 2u);
    EXPECT_EQ(announcer->announcements(), 1);
}

} // namespace
} // namespace ui::testing
