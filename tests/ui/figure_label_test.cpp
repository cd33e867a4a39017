#include "ui/figure_label.h"

#include "window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>

namespace ui::testing {
namespace {

TEST(RoundedToFit, rounds_to_the_digits_that_fit_keeping_sign_and_exponent)
{
    const std::tuple<const char*, std::optional<double>, const char*, int, const char*> cases[] = {
        // text, its figure, decimal separator, room in characters, shown
        {"355.115158454753", 355.115158454753, ".", 16, "355.115158454753"},
        {"355.115158454753", 355.115158454753, ".", 8, "355.1152"},
        {"8,6524042048344", 8.6524042048344, ",", 5, "8,652"},
        {"2.1865485192E-09", 2.1865485192E-09, ".", 9, "2.187E-09"},
        {"-27953963.1083", -27953963.1083, ".", 9, "-27953963"},
        {"-27953963", -27953963, ",", 8, "-2,8E+07"},
        {"9.99996", 9.99996, ".", 4, "10"},
        {"Cu In", std::nullopt, ".", 2, "Cu In"}, // no figure
    };
    for (const auto& [text, figure, decimal, room, shown] : cases)
        EXPECT_EQ(roundedToFit(text, figure, {decimal, {}}, [room](const QString& t) { return t.size() <= room; }),
                  shown)
            << text << " in " << room;
}

// A desktop icon theme holding only "edit-copy", whatever themes this machine
// has, there before the window is built.
class ResultLabels : public WindowTest {
protected:
    ResultLabels()
    {
        QDir(themes_.path()).mkpath("copy-only/16x16");
        QFile index(themes_.filePath("copy-only/index.theme"));
        EXPECT_TRUE(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nDirectories=16x16\n[16x16]\nSize=16\n");
        index.close();
        QImage icon(16, 16, QImage::Format_RGB32);
        icon.fill(Qt::black);
        EXPECT_TRUE(icon.save(themes_.filePath("copy-only/16x16/edit-copy.png")));
        QIcon::setThemeSearchPaths({themes_.path()});
        QIcon::setThemeName("copy-only");
    }
    ~ResultLabels() override
    {
        QIcon::setThemeName(name_);
        QIcon::setThemeSearchPaths(paths_);
    }

    QString name_ = QIcon::themeName();
    QStringList paths_ = QIcon::themeSearchPaths();
    QTemporaryDir themes_;
};

// Copy, from the label's context menu, takes the whole figure; opening the
// menu leaves no field, so a capacity waiting on stroke is not recomputed.
TEST_F(ResultLabels, a_long_capacity_and_a_huge_ratio_are_painted_rounded_never_cut_and_copied_whole)
{
    typeFirstExample();
    typeEntries({{"chamb", "0"}, {"dome", "0"}, {"deck", "0"}, {"gasketvol", "0.0000001"}});
    click("calc");
    typeInto("stroke", "3");
    for (const auto& [name, mark] : {std::pair{"Label17", "355.11"}, {"vorsil", "E+"}}) {
        auto* label = control<FigureLabel>(name);
        const QString painted = label->shownText();
        EXPECT_TRUE(painted.contains(mark)) << painted.toStdString() << " for " << label->text().toStdString();
        EXPECT_NEAR(painted.toDouble() / label->text().toDouble(), 1.0, 0.01) << painted.toStdString();
        EXPECT_LE(QFontMetricsF(label->font(), label).horizontalAdvance(painted), label->contentsRect().width());
        EXPECT_EQ(label->toolTip().section('\n', -1), label->text()); // after why it is out of date
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), label->text());

        QAction* copy = label->actions().front();
        ASSERT_EQ(copy->text(), "Copy");
        EXPECT_TRUE(copy->icon().isNull()); // the theme is asked when the menu opens, not at start-up
        const QPoint middle = label->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Mouse, middle, label->mapToGlobal(middle));
        QApplication::sendEvent(label, &menu); // the fixture closes the menu
        EXPECT_EQ(copy->icon().name(), "edit-copy");
        copy->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), label->text());
    }
    activate();
    EXPECT_EQ(focused(), "stroke");
    EXPECT_TRUE(caption("Label17").startsWith("355.11"));
}

} // namespace
} // namespace ui::testing
