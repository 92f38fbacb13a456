// The wood and metal looks: the geometry their painting follows, the palette they bring and
// take back, and every widget kind the library uses painted under each of them.
#include "testhost.h"

#include "frame/app/metalstyle.h"
#include "frame/app/norwegianwoodstyle.h"
#include "frame/app/stylecommon.h"
#include "utilities/table.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProcessEnvironment>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace tesk::app;

namespace {

// A style for the length of a test; the one before comes back after it (the toolkit deletes a
// style it replaces, so it is made anew from its name).
class StyleScope
{
public:
    explicit StyleScope(QStyle *style)
        : m_previous(QApplication::style()->name())
    {
        QApplication::setStyle(style);
    }
    ~StyleScope() { QApplication::setStyle(QStyleFactory::create(m_previous)); }

private:
    QString m_previous;
};

QStyleOptionButton buttonOption(QStyle::State state, QRect rect = QRect(0, 0, 80, 30),
                                bool menu = false)
{
    QStyleOptionButton option;
    option.rect = rect;
    option.state = state | QStyle::State_Enabled;
    option.palette = QApplication::palette();
    if (menu)
        option.features |= QStyleOptionButton::HasMenu;
    return option;
}

// Widgets take their class fonts when polished and when the font change events arrive.
void settle(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets)
        widget->ensurePolished();
    QCoreApplication::sendPostedEvents();
}

} // namespace

TEST(WoodGeometry, BevelFollowsHalfTheSmallerSide)
{
    struct Case
    {
        int width, height, bevel;
    };
    for (const Case c : {Case{80, 19, 2}, Case{80, 20, 3}, Case{100, 41, 3}, Case{100, 42, 5}}) {
        EXPECT_EQ(wood::bevelWidth(wood::buttonSize(QRect(0, 0, c.width, c.height))), c.bevel)
            << c.width << " by " << c.height;
    }
}

TEST(WoodGeometry, ContentsKeepClearOfBevelAndRoundedEnds)
{
    EXPECT_EQ(wood::pushButtonContents(QRect(0, 0, 80, 24)), QRect(9, 4, 62, 16));
    // A standing button keeps clear of its rounded top and bottom instead.
    EXPECT_EQ(wood::pushButtonContents(QRect(0, 0, 24, 80)), QRect(4, 9, 16, 62));
    EXPECT_EQ(wood::pushButtonContents(QRect(10, 20, 80, 24)), QRect(19, 24, 62, 16));
}

TEST(WoodButton, LongLabelsFitBetweenTheRoundedEnds)
{
    StyleScope scope(new NorwegianWoodStyle);
    for (const char *text : {"OK", "Apply to every core of the target", "W"}) {
        QPushButton button(QString::fromLatin1(text));
        settle({&button});
        const QSize hint = button.sizeHint();
        QStyleOptionButton option = buttonOption(QStyle::State_Raised, QRect(QPoint(), hint));
        const QRect contents =
            button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
        // The label is drawn 2 pixels inside the contents.
        const QSize label = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
        EXPECT_GE(contents.width() - 4, label.width()) << text;
        EXPECT_GE(contents.height() - 4, label.height()) << text;
    }
    // A tall label makes for larger ends, and the width follows.
    const QSize tall = wood::pushButtonSize(QSize(40, 60), QSize(10, 10));
    const QRect contents = wood::pushButtonContents(QRect(QPoint(), tall));
    EXPECT_GE(contents.width(), 44);
    EXPECT_GE(contents.height(), 64);
}

TEST(WoodScrollBar, EveryPixelOfTheBarIsPainted)
{
    StyleScope scope(new NorwegianWoodStyle);
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        QScrollBar bar(orientation);
        bar.setRange(0, 100);
        bar.resize(orientation == Qt::Horizontal ? QSize(200, 16) : QSize(16, 200));
        settle({&bar});
        const QColor marker(255, 0, 255);
        QImage image(bar.size(), QImage::Format_ARGB32);
        image.fill(marker);
        bar.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        int unpainted = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                unpainted += QColor(image.pixel(x, y)) == marker;
        }
        EXPECT_EQ(unpainted, 0) << orientation;
    }
}

TEST(WoodGeometry, ComboArrowSitsRightOfTheTextAboveItsBar)
{
    EXPECT_EQ(wood::comboArrowSize(7), 6);
    EXPECT_EQ(wood::comboArrowSize(8), 6);
    EXPECT_EQ(wood::comboArrowSize(13), 11);
    EXPECT_EQ(wood::comboArrowSize(14), 7);
    EXPECT_EQ(wood::comboDropDownWidth(13), 16);

    const QRect combo(0, 0, 100, 24);
    const wood::ComboArrow geometry = wood::comboArrow(combo);
    EXPECT_EQ(geometry.arrow, QRect(81, 5, 8, 8));
    EXPECT_EQ(geometry.bar, QRect(81, 15, 8, 3));
    const QRect text = wood::comboFocusRect(combo);
    EXPECT_EQ(text, QRect(10, 5, 68, 14));
    EXPECT_LT(text.right(), geometry.arrow.left());

    NorwegianWoodStyle style;
    QStyleOptionComboBox option;
    option.rect = combo;
    EXPECT_EQ(style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField),
              text);
    EXPECT_EQ(style.subElementRect(QStyle::SE_ComboBoxFocusRect, &option), text);

    // Too low for arrow and bar: the arrow goes to the top, the bar below the contents.
    const wood::ComboArrow low = wood::comboArrow(QRect(0, 0, 60, 6));
    EXPECT_EQ(low.arrow.top(), 0);
    EXPECT_EQ(low.bar.top(), 0);
}

TEST(WoodGeometry, RoundedShapesAndBevelHalves)
{
    const QRect rect(0, 0, 40, 20);
    const QRegion rounded = wood::roundedRegion(rect, 10);
    EXPECT_FALSE(rounded.contains(QPoint(0, 0)));
    EXPECT_FALSE(rounded.contains(QPoint(39, 19)));
    EXPECT_FALSE(rounded.contains(QPoint(0, 19)));
    EXPECT_TRUE(rounded.contains(QPoint(20, 10)));
    EXPECT_TRUE(rounded.contains(QPoint(20, 0)));
    EXPECT_TRUE(rounded.contains(QPoint(1, 10)));

    const QRegion upperLeft(wood::upperLeftHalf(rect));
    const QRegion lowerRight(wood::lowerRightHalf(rect));
    EXPECT_TRUE(upperLeft.contains(QPoint(2, 1)));
    EXPECT_FALSE(upperLeft.contains(QPoint(37, 18)));
    EXPECT_TRUE(lowerRight.contains(QPoint(37, 18)));
    EXPECT_FALSE(lowerRight.contains(QPoint(2, 1)));

    const QRegion mask = NorwegianWoodStyle::buttonMask(QRect(0, 0, 80, 24));
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_TRUE(mask.contains(QPoint(40, 12)));
    EXPECT_TRUE(NorwegianWoodStyle::buttonMask(QRect()).isEmpty());
}

TEST(WoodGeometry, ScrollBarLineButtonsAtBothEnds)
{
    EXPECT_EQ(wood::scrollBarSubLine(QRect(0, 0, 200, 16), Qt::Horizontal), QRect(2, 2, 12, 12));
    EXPECT_EQ(wood::scrollBarAddLine(QRect(0, 0, 200, 16), Qt::Horizontal), QRect(186, 2, 12, 12));
    EXPECT_EQ(wood::scrollBarSubLine(QRect(0, 0, 16, 150), Qt::Vertical), QRect(2, 2, 12, 12));
    EXPECT_EQ(wood::scrollBarAddLine(QRect(0, 0, 16, 150), Qt::Vertical), QRect(2, 136, 12, 12));
}

TEST(WoodButton, MidBrushShowsDownOrToggledOn)
{
    const QStyleOptionButton on = buttonOption(QStyle::State_On);
    const QBrush onMid = NorwegianWoodStyle::buttonBevelPalette(&on).brush(QPalette::Mid);
    EXPECT_EQ(onMid.style(), Qt::Dense4Pattern);
    EXPECT_EQ(onMid.color(), on.palette.color(QPalette::Mid));

    const QStyleOptionButton down = buttonOption(QStyle::State_On | QStyle::State_Sunken);
    EXPECT_EQ(NorwegianWoodStyle::buttonBevelPalette(&down).brush(QPalette::Mid),
              down.palette.brush(QPalette::Mid));

    const QStyleOptionButton up = buttonOption(QStyle::State_Raised);
    EXPECT_EQ(NorwegianWoodStyle::buttonBevelPalette(&up).brush(QPalette::Mid),
              up.palette.brush(QPalette::Button));
}

TEST(ButtonLabel, MetalLabelMovesUpAndLeftWhilePressedWoodStays)
{
    const QPoint metalShift(-1, -1);
    const QStyleOptionButton up = buttonOption(QStyle::State_Raised);
    const QStyleOptionButton down = buttonOption(QStyle::State_Sunken);
    const QStyleOptionButton on = buttonOption(QStyle::State_On);
    EXPECT_EQ(styles::pushButtonLabelOffset(&up, metalShift), QPoint(0, 0));
    EXPECT_EQ(styles::pushButtonLabelOffset(&down, metalShift), QPoint(-1, -1));
    EXPECT_EQ(styles::pushButtonLabelOffset(&on, metalShift), QPoint(-1, -1));
    EXPECT_EQ(styles::pushButtonLabelOffset(&down, QPoint()), QPoint(0, 0));

    // A menu button's label makes room for the arrow: a third of the height to the right.
    const QStyleOptionButton menu = buttonOption(QStyle::State_On, QRect(0, 0, 80, 30), true);
    EXPECT_EQ(styles::pushButtonLabelOffset(&menu, metalShift), QPoint(8, -1));
    EXPECT_EQ(styles::pushButtonLabelOffset(&menu, QPoint()), QPoint(9, 0));
}

TEST(MetalGeometry, ComboButtonAndArrow)
{
    EXPECT_EQ(metal::comboButtonRect(QRect(0, 0, 100, 20)), QRect(82, 2, 16, 16));
    EXPECT_EQ(metal::comboArrowRect(QRect(0, 0, 100, 20)), QRect(84, 4, 12, 12));
}

TEST(MetalGeometry, GradientRunsBetweenTheGoldsAndTurnsWhenSunken)
{
    const QColor gold(QStringLiteral("#B9B9A5A54040"));
    const QColor deep(QStringLiteral("#89896C6C1A1A"));
    auto sameHsv = [](const QColor &a, const QColor &b) {
        return a.hsvHue() == b.hsvHue() && a.hsvSaturation() == b.hsvSaturation() &&
               a.value() == b.value();
    };

    const metal::Gradient raised = metal::gradient(20, false);
    EXPECT_EQ(raised.firstLine, 6);
    ASSERT_EQ(raised.lines.size(), 12);
    EXPECT_TRUE(sameHsv(raised.lines.first(), gold));
    EXPECT_TRUE(sameHsv(raised.lines.last(), deep));

    const metal::Gradient sunken = metal::gradient(20, true);
    EXPECT_EQ(sunken.firstLine, 2);
    EXPECT_TRUE(sameHsv(sunken.lines.first(), deep));
    EXPECT_TRUE(sameHsv(sunken.lines.last(), gold));

    // One line takes the mean; a button too small for any line gets none (no division by zero).
    ASSERT_EQ(metal::gradient(9, false).lines.size(), 1);
    EXPECT_EQ(metal::gradient(9, false).lines.first().value(), (gold.value() + deep.value()) / 2);
    EXPECT_TRUE(metal::gradient(8, false).lines.isEmpty());
    EXPECT_TRUE(metal::gradient(2, true).lines.isEmpty());
}

TEST(StyleTextures, SizesColoursAndRecolouring)
{
    struct Case
    {
        styles::Texture texture;
        int side, colours;
    };
    for (const Case c : {Case{styles::Texture::WoodButton, 96, 254},
                         Case{styles::Texture::WoodBackground, 96, 254},
                         Case{styles::Texture::BrushedMetal, 240, 223},
                         Case{styles::Texture::GreenGrey, 96, 250}}) {
        const QImage image = styles::texture(c.texture);
        EXPECT_EQ(image.size(), QSize(c.side, c.side));
        EXPECT_EQ(image.colorCount(), c.colours);
    }
    const QImage wood = styles::texture(styles::Texture::WoodButton);
    EXPECT_EQ(styles::texture(styles::Texture::WoodButton), wood)
        << "textures are the same every time";
    const QImage darker =
        styles::recoloured(wood, [](const QColor &c) { return c.darker(180); }).toImage();
    EXPECT_EQ(darker.pixel(10, 10), wood.pixelColor(10, 10).darker(180).rgb());
}

TEST(StylePalette, WoodReplacesThePaletteAndGivesItBack)
{
    const QPalette before = QApplication::palette();
    {
        StyleScope scope(new NorwegianWoodStyle);
        const QPalette wood = QApplication::palette();
        EXPECT_EQ(wood.color(QPalette::Active, QPalette::Base), QColor(236, 182, 120));
        EXPECT_EQ(wood.color(QPalette::Disabled, QPalette::Base), QColor(236, 182, 120));
        EXPECT_EQ(wood.color(QPalette::Active, QPalette::BrightText), QColor(Qt::white));
        EXPECT_EQ(wood.brush(QPalette::Active, QPalette::Window).texture().size(), QSize(96, 96));
        EXPECT_FALSE(wood.brush(QPalette::Disabled, QPalette::Mid).texture().isNull());
        EXPECT_EQ(wood.brush(QPalette::Inactive, QPalette::Button),
                  wood.brush(QPalette::Active, QPalette::Button));
    }
    EXPECT_EQ(QApplication::palette(), before);
}

TEST(StylePalette, MetalReplacesPaletteAndMenuFontAndGivesThemBack)
{
    const QPalette before = QApplication::palette();
    QMenu menu;
    QMenuBar menuBar;
    {
        StyleScope scope(new MetalStyle);
        const QPalette metal = QApplication::palette();
        EXPECT_EQ(metal.color(QPalette::Active, QPalette::Window), QColor(227, 227, 227));
        EXPECT_EQ(metal.brush(QPalette::Active, QPalette::Window).texture().size(),
                  QSize(240, 240));
        EXPECT_EQ(metal.color(QPalette::Active, QPalette::ButtonText), QColor(Qt::white));
        EXPECT_EQ(metal.color(QPalette::Active, QPalette::Shadow), QColor(Qt::black));
        EXPECT_FALSE(metal.brush(QPalette::Active, QPalette::Dark).texture().isNull());
        EXPECT_TRUE(metal.brush(QPalette::Disabled, QPalette::Dark).texture().isNull());
        settle({&menu, &menuBar});
        EXPECT_TRUE(menu.font().bold() && menu.font().italic());
        EXPECT_TRUE(menuBar.font().bold() && menuBar.font().italic());
        EXPECT_EQ(menu.font().pointSizeF(), QApplication::font().pointSizeF());
    }
    EXPECT_EQ(QApplication::palette(), before);
    EXPECT_EQ(menu.font(), QApplication::font());
    EXPECT_EQ(menuBar.font(), QApplication::font());
}

TEST(StylePalette, OneStyleAfterTheOtherStillEndsWithTheFirstPalette)
{
    const QPalette before = QApplication::palette();
    {
        StyleScope scope(new NorwegianWoodStyle);
        QApplication::setStyle(new MetalStyle);
        EXPECT_EQ(QApplication::palette().color(QPalette::Active, QPalette::Window),
                  QColor(227, 227, 227));
    }
    EXPECT_EQ(QApplication::palette(), before);
}

TEST(WoodMask, ButtonsAndCombosAreCutRoundWhileTheStyleLasts)
{
    QWidget parent;
    auto *button = new QPushButton(QStringLiteral("OK"), &parent);
    auto *combo = new QComboBox(&parent);
    auto *label = new QLabel(QStringLiteral("plain"), &parent);
    {
        StyleScope scope(new NorwegianWoodStyle);
        // Hidden widgets get their resize events only when they are shown.
        parent.show();
        button->resize(80, 24);
        combo->resize(120, 24);
        EXPECT_FALSE(button->mask().contains(QPoint(0, 0)));
        EXPECT_TRUE(button->mask().contains(QPoint(40, 12)));
        // The shape follows the size.
        button->resize(120, 40);
        EXPECT_TRUE(button->mask().contains(QPoint(100, 20)));
        EXPECT_FALSE(combo->mask().isEmpty());
        EXPECT_TRUE(label->mask().isEmpty());
    }
    EXPECT_TRUE(button->mask().isEmpty());
    EXPECT_TRUE(combo->mask().isEmpty());
}

namespace {

// One of every widget kind the library shows, in the states the styles paint differently.
std::vector<std::unique_ptr<QWidget>> everyWidgetKind()
{
    std::vector<std::unique_ptr<QWidget>> widgets;
    auto add = [&](QWidget *w) { widgets.emplace_back(w); };
    add(new QPushButton(QStringLiteral("&Plain")));
    auto *defaultButton = new QPushButton(QStringLiteral("Default"));
    defaultButton->setDefault(true);
    add(defaultButton);
    auto *toggled = new QPushButton(QStringLiteral("On"));
    toggled->setCheckable(true);
    toggled->setChecked(true);
    add(toggled);
    auto *down = new QPushButton(QStringLiteral("Down"));
    down->setDown(true);
    add(down);
    auto *flat = new QPushButton(QStringLiteral("Flat"));
    flat->setFlat(true);
    add(flat);
    auto *menuButton = new QPushButton(QStringLiteral("Menu"));
    menuButton->setMenu(new QMenu(menuButton));
    add(menuButton);
    auto *disabled = new QPushButton(QStringLiteral("Disabled"));
    disabled->setEnabled(false);
    add(disabled);
    add(new QToolButton);
    for (const bool editable : {false, true}) {
        auto *combo = new QComboBox;
        combo->addItems({QStringLiteral("one"), QStringLiteral("two")});
        combo->setEditable(editable);
        add(combo);
    }
    auto *disabledCombo = new QComboBox;
    disabledCombo->setEnabled(false);
    add(disabledCombo);
    add(new QScrollBar(Qt::Horizontal));
    add(new QScrollBar(Qt::Vertical));
    auto *slider = new QSlider(Qt::Horizontal);
    slider->setTickPosition(QSlider::TicksBothSides);
    add(slider);
    add(new QSlider(Qt::Vertical));
    auto *menuBar = new QMenuBar;
    menuBar->addMenu(QStringLiteral("&File"));
    menuBar->addMenu(QStringLiteral("&Debug"));
    add(menuBar);
    auto *menu = new QMenu;
    menu->addAction(QStringLiteral("Run"));
    menu->addSeparator();
    menu->addAction(QStringLiteral("Checked"))->setCheckable(true);
    add(menu);
    add(new QLineEdit(QStringLiteral("text")));
    add(new QLabel(QStringLiteral("label")));
    add(new QCheckBox(QStringLiteral("check")));
    add(new QRadioButton(QStringLiteral("radio")));
    add(new QSpinBox);
    auto *progress = new QProgressBar;
    progress->setValue(40);
    add(progress);
    auto *tabs = new QTabWidget;
    tabs->addTab(new QWidget, QStringLiteral("One"));
    tabs->addTab(new QWidget, QStringLiteral("Two"));
    add(tabs);
    auto *tree = new QTreeWidget;
    tree->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value")});
    new QTreeWidgetItem(tree, {QStringLiteral("r0"), QStringLiteral("0x0")});
    add(tree);
    auto *list = new QListWidget;
    list->addItems({QStringLiteral("a"), QStringLiteral("b")});
    add(list);
    add(new QGroupBox(QStringLiteral("group")));
    add(new QTextEdit(QStringLiteral("text")));
    auto *window = new QMainWindow;
    window->addToolBar(QStringLiteral("tools"))->addAction(QStringLiteral("Go"));
    window->statusBar()->showMessage(QStringLiteral("ready"));
    window->menuBar()->addMenu(QStringLiteral("&View"));
    add(window);
    auto *table = new UTable;
    table->init(4, 3);
    table->setText(1, 1, QStringLiteral("cell"));
    add(table);
    return widgets;
}

void paintsEveryKindQuietly(const std::function<QStyle *()> &makeStyle)
{
    StyleScope scope(makeStyle());
    const auto widgets = everyWidgetKind();
    testhost::DebugCapture capture;
    for (const auto &widget : widgets) {
        widget->resize(widget->sizeHint().expandedTo(QSize(60, 24)));
        const QImage image = widget->grab().toImage();
        EXPECT_FALSE(image.isNull()) << widget->metaObject()->className();
    }
    EXPECT_EQ(capture.text(), "");
}

} // namespace

TEST(StylePainting, EveryWidgetKindPaintsUnderWoodWithoutWarnings)
{
    paintsEveryKindQuietly([] { return new NorwegianWoodStyle; });
}

TEST(StylePainting, EveryWidgetKindPaintsUnderMetalWithoutWarnings)
{
    paintsEveryKindQuietly([] { return new MetalStyle; });
}

namespace {

// Start-up in a process of its own: one process holds one application and one start-up.
QString styleAtStartUp(const QString &commandLine, const QStringList &environment)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("GIVE_ME_WOOD"));
    env.remove(QStringLiteral("GIVE_ME_METAL"));
    for (const QString &name : environment)
        env.insert(name, QStringLiteral("1"));
    env.insert(QStringLiteral("KSODEBUG_HOME"),
               testhost::homeDir() + QStringLiteral("/style-child"));
    env.insert(QStringLiteral("KSODEBUG_ALLOW_MULTIPLE_INSTANCES"), QString());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/style_child"),
                {commandLine});
    child.waitForFinished(30000);
    const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
    const qsizetype at = output.indexOf(QStringLiteral("style="));
    return at < 0 ? output : output.mid(at + 6).trimmed();
}

} // namespace

TEST(StyleStartUp, SwitchesAndEnvironmentChooseTheLookAndMetalWins)
{
    EXPECT_EQ(styleAtStartUp(QStringLiteral("-style wood"), {}),
              QStringLiteral("NorwegianWoodStyle"));
    EXPECT_EQ(styleAtStartUp(QStringLiteral("-style metal"), {}), QStringLiteral("MetalStyle"));
    EXPECT_EQ(styleAtStartUp(QString(), {QStringLiteral("GIVE_ME_WOOD")}),
              QStringLiteral("NorwegianWoodStyle"));
    EXPECT_EQ(styleAtStartUp(QString(),
                             {QStringLiteral("GIVE_ME_WOOD"), QStringLiteral("GIVE_ME_METAL")}),
              QStringLiteral("MetalStyle"));
    EXPECT_EQ(styleAtStartUp(QStringLiteral("-style wood"), {QStringLiteral("GIVE_ME_METAL")}),
              QStringLiteral("MetalStyle"));
    EXPECT_NE(styleAtStartUp(QStringLiteral("-style Wood"), {}),
              QStringLiteral("NorwegianWoodStyle"));
}
