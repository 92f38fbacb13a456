// The dock layout under random mixes of what hosts and users do, on screens of 1280x800 and
// 1024x600 with a panel, one made smaller midway in some: every promise of layoutpromises.h
// after every step. TESK_LAYOUT_SEED replays one sequence, TESK_LAYOUT_SEQUENCES plays more,
// TESK_LAYOUT_PROMISES=all checks the promises still waiting for their mends.
#include "frames.h"
#include "layoutsequence.h"
#include "testhost.h"

#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/dockwidget.h"

#include <tesk/tesk_window.h>

#include <QGuiApplication>
#include <QScreen>
#include <qpa/qwindowsysteminterface.h>

namespace {

using namespace testhost::layout;

void setScreen(const QRect &screen, const QRect &free)
{
    QWindowSystemInterface::handleScreenGeometryChange(QGuiApplication::primaryScreen(), screen,
                                                       free);
    QWindowSystemInterface::flushWindowSystemEvents();
}

class LayoutSequences : public FrameTest
{
protected:
    void TearDown() override
    {
        FrameTest::TearDown();
        setScreen(m_screen, m_screen);
    }

    const QRect m_screen = QGuiApplication::primaryScreen()->geometry();
    const Screen m_sequenceScreen{&setScreen, nullptr};
};

} // namespace

TEST_F(LayoutSequences, EveryPromiseHoldsAfterEveryStep)
{
    const std::string failure = playSeeds(1, 200, 10, 40, m_sequenceScreen);
    EXPECT_TRUE(failure.empty()) << failure;
}

// Seeds of the wide survey that broke a promise the seeds above do not reach, played whole.
TEST_F(LayoutSequences, SurveyedSeedsThatOnceBrokeAPromiseHold)
{
    // 22281: a pane restored as a tab before the show made a tab row the fit did not count,
    // and the show made tabs the records read before it did not say. 27564: a window made
    // narrower and as wide again left a side line at its least wider, the toolkit's share of
    // the room that came back taken for the one it had. 28201: a bottom line whose group's tab
    // row went kept the row's room, and a tab row coming to a side area took its height from
    // every bottom line instead. 30602: a pane docked back went into the place the toolkit
    // kept for it beside a line split along since, where its record could not say it stood.
    for (const uint32_t seed : {22281u, 27564u, 28201u, 30602u}) {
        const std::optional<Failure> failure =
            play(generate(seed, 10, 40), m_sequenceScreen, PromiseSwitches::holding());
        EXPECT_FALSE(failure) << "seed " << seed << ", step " << failure->step << ": "
                              << failure->broken.text.toStdString();
    }
}

// Sequences found breaking the sizes kept, shortened, each with what broke: every promise holds
// after every step of each.
TEST_F(LayoutSequences, SequencesThatOnceBrokeTheSizesKeptHold)
{
    const NamedSequences sequences = {
        // A group at the bottom the host sized larger than the fit left it grows to that size,
        // its tab row beneath, once a right pane closes: the line beside it shows the row too
        // (seed 51263, shortened).
        {"a line grows to a group's size and tab row once the room is there",
         {{StepKind::Start, 1503310477u, 86120102u, 398898668u, 1232031911u},
          {StepKind::RestoreBesideGroup, 3628454149u, 4287259150u, 1731108669u, 4202601213u},
          {StepKind::DockRight, 4177213463u, 4070720981u, 1761097472u, 2392629986u},
          {StepKind::RestoreTab, 249547683u, 40615686u, 3001286402u, 2802277883u},
          {StepKind::Restart, 2145528503u, 2585466181u, 670195403u, 1258196720u},
          {StepKind::DockRight, 703084340u, 1199991291u, 1789249772u, 3755517948u},
          {StepKind::ResizeBox, 3467772974u, 1100205236u, 2939250631u, 2041572205u},
          {StepKind::Close, 1205001915u, 694207522u, 2105633624u, 2833052094u}}},
        // A restored record joining a line the user dragged sizes that line: the line took
        // the record's extent once a hidden dock gave the room, and the checker held the
        // drag's size against it.
        {"a record sizes the line it joins",
         {{StepKind::Start, 2823990660u, 3752080536u, 1319590095u, 955719265u},
          {StepKind::Show, 1766325464u, 1788211721u, 3803623223u, 3629332222u},
          {StepKind::Restore, 625549169u, 795270642u, 316410158u, 293238287u},
          {StepKind::FloatButton, 2236841804u, 226111887u, 3596124018u, 2444113649u},
          {StepKind::DockRight, 2812624258u, 747980307u, 863505934u, 2013430934u},
          {StepKind::DockBottom, 2401001053u, 629386975u, 3695409317u, 3890013858u},
          {StepKind::Drag, 3875365513u, 1953142816u, 16191692u, 2000215677u},
          {StepKind::Restore, 3981878327u, 3975744082u, 547834669u, 542117935u},
          {StepKind::Hide, 3937493261u, 2009119077u, 500795935u, 4065545259u}}},
        // The window standing of a group held in the right area, out of sight behind its tab
        // shown, kept the width it had before the screen shrank: counted as the room the
        // group holds, it left the other lines less than none, and a hidden pane's record
        // carried that width.
        {"a held group counts the room its tab shown takes",
         {{StepKind::Start, 3843439766u, 2973639546u, 1196766219u, 1232222837u},
          {StepKind::RestoreTab, 3381973912u, 1584455123u, 3033060216u, 1529325508u},
          {StepKind::DockRight, 1534537321u, 236527357u, 3389494178u, 3048928746u},
          {StepKind::Show, 2784822929u, 2418937194u, 1287447747u, 145931699u},
          {StepKind::RestoreTab, 29730620u, 88383455u, 3618239083u, 1006897073u},
          {StepKind::DockBottom, 1267222371u, 2722729481u, 3898132778u, 3432604087u},
          {StepKind::DockRight, 455845814u, 1955681653u, 1851254503u, 1561393312u},
          {StepKind::DockRight, 1790423300u, 3971612701u, 3675534520u, 1558256470u},
          {StepKind::DockRight, 855634771u, 3722708495u, 1036619909u, 1970520561u},
          {StepKind::Hide, 3915500558u, 2203016633u, 3809017483u, 3748912861u},
          {StepKind::DockBottom, 3722262263u, 3875130903u, 1528650496u, 2143638269u},
          {StepKind::ShrinkScreen, 424526401u, 2633751028u, 645397389u, 1590642990u},
          {StepKind::DockRight, 3178076264u, 3909574363u, 2525798762u, 2443536425u},
          {StepKind::RoundTrip, 1893757049u, 1688800612u, 3482796423u, 2838905094u}}},
        // A group's tab row read from a row the toolkit no longer used, left shown and empty a
        // few pixels below it: the group's line grew by those pixels once the window, made
        // smaller, was as large again.
        {"a group's tab row is the one in use",
         {{StepKind::Start, 128454730u, 1430910977u, 3845245783u, 2119069392u},
          {StepKind::HideTabs, 1666801566u, 4178861841u, 3832262382u, 112698273u},
          {StepKind::DockRight, 2062254991u, 1023894251u, 919774515u, 2443927426u},
          {StepKind::DockBottom, 1698251790u, 662124260u, 2817348100u, 1595835094u},
          {StepKind::DockRight, 2255669592u, 1617752380u, 1376946599u, 3946940902u},
          {StepKind::ScriptToolbar, 2409309468u, 1369212736u, 1797042968u, 2234829869u},
          {StepKind::Restore, 2061370316u, 465210633u, 2080005598u, 3468897069u},
          {StepKind::Floating, 1956476532u, 1940401231u, 3271381401u, 3756249131u},
          {StepKind::DockRight, 3199473910u, 73030778u, 1434563932u, 4034691646u},
          {StepKind::ShrinkScreen, 2614772929u, 3921917563u, 3540739721u, 2140934678u},
          {StepKind::Show, 3731703046u, 1444315625u, 3830114203u, 776585292u},
          {StepKind::Hide, 1249099236u, 3465906878u, 1590311283u, 1139686354u},
          {StepKind::DockBottom, 2735202533u, 2149538608u, 1632899254u, 1818562020u},
          {StepKind::Drag, 1463471157u, 4145848854u, 2485162231u, 3332398683u},
          {StepKind::ToolbarMove, 1043717627u, 1689581642u, 2200987815u, 18123870u},
          {StepKind::ResizeWindow, 2395208999u, 696137995u, 3882723027u, 3019893165u}}},
        // A drag sets the sizes of the docks it moved only: a bottom line the fit had cut to
        // its least before the drag may grow for a tab row after it.
        {"a drag sets only what it moved",
         {{StepKind::Start, 1976458227u, 669852321u, 3247712446u, 1714146302u},
          {StepKind::DockBottom, 2601986008u, 2035813495u, 442786823u, 1498545398u},
          {StepKind::Show, 612036595u, 2885717197u, 1993240025u, 4181176407u},
          {StepKind::FindToolbar, 1311906520u, 1984242901u, 3494979870u, 816393830u},
          {StepKind::DockRight, 1230610781u, 2749608266u, 1059780055u, 4243623793u},
          {StepKind::ResizeBox, 2706565614u, 3240364534u, 196229977u, 731626645u},
          {StepKind::DockBottom, 248204706u, 234486388u, 2443425084u, 1080296301u},
          {StepKind::DockRight, 771908932u, 1988239942u, 4189680438u, 2486503593u},
          {StepKind::Restore, 3977458998u, 3639213411u, 1219173651u, 1682042550u},
          {StepKind::DockRight, 1732511650u, 2059764310u, 4193061208u, 513222009u},
          {StepKind::Drag, 79138660u, 4033280355u, 3647241679u, 1815527949u},
          {StepKind::DockBottom, 2611203082u, 1960503255u, 404824827u, 3119060358u}}},
        // Side areas wide enough to leave the code no width: a bottom line the host sized,
        // cut by a new line, takes its room back from the row above it.
        {"the row beside a code out of sight gives room",
         {{StepKind::Start, 2420147442u, 878474117u, 4177063951u, 710494235u},
          {StepKind::DockBottom, 463145106u, 2441785347u, 2456740162u, 3779020886u},
          {StepKind::DockRight, 1479829533u, 2575790137u, 4162188969u, 2942016142u},
          {StepKind::Floating, 2445648200u, 2882379982u, 770235074u, 1647661056u},
          {StepKind::Restore, 2169739275u, 2675501840u, 1103056666u, 3478329031u},
          {StepKind::Show, 1138203340u, 2387497021u, 24214317u, 1365955086u},
          {StepKind::Restore, 265003303u, 1641151709u, 3271030281u, 2982239519u},
          {StepKind::Drag, 3845615347u, 3289003962u, 2538162836u, 1016276642u},
          {StepKind::ResizeBox, 1372051473u, 3682031539u, 2834542293u, 2167751228u},
          {StepKind::Restore, 1944948809u, 1074930355u, 4155342258u, 1828816200u},
          {StepKind::DockBottom, 2424078856u, 3084081105u, 3354291491u, 3625431963u}}},
        // A dock the user sized, hidden and shown again, holds its size: the checker forgot
        // it while the dock was hidden.
        {"a hidden dock keeps the size set",
         {{StepKind::Start, 936145386u, 2174631942u, 2266146740u, 86436592u},
          {StepKind::DockBottom, 2695939561u, 4279970687u, 1466992494u, 2486474045u},
          {StepKind::Show, 71261460u, 4287210172u, 2782230556u, 788703583u},
          {StepKind::ResizeBox, 648103303u, 1578717648u, 837842968u, 1344389127u},
          {StepKind::DockBottom, 156720769u, 844500001u, 3559918654u, 1832803754u},
          {StepKind::Drag, 2962915650u, 2135961959u, 1275124729u, 830685548u},
          {StepKind::Hide, 4102508406u, 2895260203u, 1436745938u, 3504520631u},
          {StepKind::ResizeBox, 3663371823u, 4073745516u, 859639080u, 991819858u},
          {StepKind::ShowAgain, 3637477468u, 4024524841u, 2717286901u, 4062584523u},
          {StepKind::Restore, 417924364u, 1753739124u, 1100089421u, 752989522u}}},
        // A right line the host sized keeps its width when the next line becomes a group of
        // tabs: that group is as wide as its tab row at least, so the room comes from the code.
        {"a group's tab row takes no room from a sized line",
         {{StepKind::Start, 3204510563u, 3034732195u, 316695300u, 802305500u},
          {StepKind::DockBottom, 2506375858u, 2471335319u, 1024289445u, 2956063935u},
          {StepKind::DockRight, 1944593270u, 847824435u, 1256693331u, 3677814436u},
          {StepKind::DockBottom, 1089306447u, 3279811285u, 2498045176u, 1420633452u},
          {StepKind::Show, 966567800u, 146079741u, 3876972698u, 2078866035u},
          {StepKind::Restore, 1330762592u, 2656704777u, 1909682103u, 3332391214u},
          {StepKind::DockRight, 4199111379u, 4216481035u, 433194694u, 4096234527u},
          {StepKind::ResizeBox, 369668071u, 3151402023u, 954791664u, 526093863u},
          {StepKind::DockRight, 2546976978u, 1278995325u, 2966613189u, 987343056u}}},
        // A left line the user dragged keeps its width when the right area's lines make tabs
        // and the code has no width left: the room comes from the right line that holds none.
        {"the side areas share their room",
         {{StepKind::Start, 421718381u, 776888557u, 3448942238u, 4146519906u},
          {StepKind::Restore, 1435734670u, 1441225143u, 3224189068u, 3284524795u},
          {StepKind::FindToolbar, 1411514005u, 1789631687u, 613518229u, 1104248682u},
          {StepKind::DockRight, 1005630654u, 2868398566u, 3740742645u, 2456056186u},
          {StepKind::Show, 602162002u, 3977227471u, 2178729708u, 1897129156u},
          {StepKind::DockRight, 1708571774u, 1232470801u, 764868875u, 2938858719u},
          {StepKind::DockBottom, 2451898750u, 3166318909u, 1014106056u, 627088315u},
          {StepKind::Drag, 769508077u, 1582592325u, 2730128488u, 618703553u},
          {StepKind::DockRight, 1756454317u, 1567714707u, 4123690023u, 3040345119u},
          {StepKind::DockBottom, 3075305369u, 2518667901u, 682166996u, 662604449u},
          {StepKind::ScriptToolbar, 1017802463u, 2367236256u, 3022678537u, 2213973469u}}},
        // A right line the user dragged narrow grows to the least of a group of tabs the fit
        // made in it: the group is as wide as its tab row.
        {"a line is never less than its tab row's least",
         {{StepKind::Start, 3036145873u, 3514025368u, 2613086512u, 2000239917u},
          {StepKind::DockRight, 4065490705u, 3339072262u, 2964030281u, 1780995121u},
          {StepKind::Show, 2009643754u, 2788025739u, 3025149088u, 1486385722u},
          {StepKind::Drag, 2228090725u, 2240761723u, 1137381483u, 2798985755u},
          {StepKind::DockRight, 1218478490u, 966484194u, 2395509329u, 948296379u},
          {StepKind::Restore, 2770918458u, 2788948510u, 3271298420u, 2814230707u},
          {StepKind::Restore, 3729191018u, 1190337598u, 1351083348u, 983586279u},
          {StepKind::Undock, 1135894706u, 705628683u, 1739699371u, 558194988u},
          {StepKind::Restore, 3414586141u, 2720902894u, 1823107408u, 3763220575u},
          {StepKind::DockBottom, 4158103517u, 2813393072u, 3570552022u, 1075973001u}}},
        // A line given its size back once the tab row beside it showed its least: the toolkit
        // had refused the sizes asked while the row was not yet laid out.
        {"sizes refused once are asked again once they differ",
         {{StepKind::Start, 1976458227u, 669852321u, 3247712446u, 1714146302u},
          {StepKind::DockBottom, 2601986008u, 2035813495u, 442786823u, 1498545398u},
          {StepKind::Show, 612036595u, 2885717197u, 1993240025u, 4181176407u},
          {StepKind::Floating, 3943013589u, 2451743265u, 2817010111u, 49757860u},
          {StepKind::FindToolbar, 1311906520u, 1984242901u, 3494979870u, 816393830u},
          {StepKind::DockRight, 3574672743u, 3334648866u, 2339771101u, 1301635398u},
          {StepKind::DockRight, 1230610781u, 2749608266u, 1059780055u, 4243623793u},
          {StepKind::ResizeBox, 2706565614u, 3240364534u, 196229977u, 731626645u},
          {StepKind::DockRight, 771908932u, 1988239942u, 4189680438u, 2486503593u},
          {StepKind::Restore, 3977458998u, 3639213411u, 1219173651u, 1682042550u},
          {StepKind::DockRight, 1732511650u, 2059764310u, 4193061208u, 513222009u},
          {StepKind::Drag, 79138660u, 4033280355u, 3647241679u, 1815527949u},
          {StepKind::DockBottom, 2611203082u, 1960503255u, 404824827u, 3119060358u}}},
        // Two bottom lines the user dragged, one a group of tabs: the fit cuts both alike, and
        // the group's line counts as set.
        {"a group's line keeps the size set",
         {{StepKind::Start, 2662207155u, 770061403u, 1738751130u, 751644795u},
          {StepKind::DockBottom, 694998926u, 527282697u, 2388478353u, 4165456899u},
          {StepKind::DockBottom, 1475500366u, 3079948431u, 2835937822u, 198877848u},
          {StepKind::Show, 2552075984u, 2682984212u, 1668019500u, 1575705779u},
          {StepKind::DockRight, 2654910407u, 764511571u, 2268750293u, 1991902502u},
          {StepKind::DockBottom, 3849751083u, 2976329937u, 1126060300u, 2378677650u},
          {StepKind::ToolbarMove, 3768394940u, 1238621941u, 993971722u, 2099805947u},
          {StepKind::DockRight, 3159236199u, 3953599467u, 2114543068u, 1895589985u},
          {StepKind::Restore, 34680800u, 3835130265u, 4045799995u, 388003189u},
          {StepKind::DockRight, 381686616u, 1625592905u, 2371148009u, 3079616834u},
          {StepKind::Drag, 2147943868u, 505322107u, 1752144182u, 337623179u},
          {StepKind::Undock, 442875670u, 4012413483u, 1238535603u, 3416604328u},
          {StepKind::ToolbarMove, 1207013447u, 3087052923u, 2258166459u, 1395753020u},
          {StepKind::DockRight, 655549618u, 3310224500u, 3170457901u, 2335368858u}}},
        // A record joining a group of tabs sizes the group's line.
        {"a record sizes the group it joins",
         {{StepKind::Start, 3465509495u, 686248957u, 42282629u, 3156453359u},
          {StepKind::DockBottom, 3438091879u, 219110968u, 3039117948u, 3687083866u},
          {StepKind::DockBottom, 3811647283u, 6880495u, 4039574354u, 1737996357u},
          {StepKind::DockBottom, 860160974u, 643900977u, 1019093367u, 1428134680u},
          {StepKind::Show, 2542936385u, 2196077961u, 1808339675u, 3539786227u},
          {StepKind::DockRight, 1884015936u, 2239530270u, 393843250u, 3779714167u},
          {StepKind::Restore, 2373864925u, 3675589014u, 1994445754u, 3585229801u},
          {StepKind::ResizeBox, 707862918u, 1494445497u, 984622192u, 3153814012u},
          {StepKind::DockBottom, 2325024743u, 1287270914u, 2177438968u, 3024794780u},
          {StepKind::DockBottom, 2326020484u, 2830712190u, 86202402u, 3392602921u},
          {StepKind::DockBottom, 3363665502u, 3265911686u, 517822921u, 2026182117u},
          {StepKind::DockRight, 992211688u, 2240815977u, 3712161743u, 390480988u},
          {StepKind::Close, 3786151193u, 1043020929u, 3207071870u, 3713203419u},
          {StepKind::Restore, 2682268534u, 2782836886u, 1346728063u, 1994862866u},
          {StepKind::DockRight, 331912656u, 4053529021u, 3189400385u, 3025468086u}}},
        // The toolkit tells of the fit's own tabs as moves, and the area was shared out anew for
        // them: a toolbar row the user added took width from the side lines held.
        {"the fit's tabs share nothing out anew",
         {{StepKind::Start, 3922016160u, 113791740u, 299108819u, 4230189658u},
          {StepKind::DockBottom, 2397816234u, 3124883851u, 977711803u, 4249120471u},
          {StepKind::DockRight, 3530765717u, 1818419501u, 4117685855u, 3020792432u},
          {StepKind::Restore, 1907533210u, 3841161682u, 337815144u, 3563319452u},
          {StepKind::Restore, 2285989550u, 284573205u, 912542628u, 4123448018u},
          {StepKind::DockBottom, 1229355531u, 644653925u, 1236392861u, 2801634883u},
          {StepKind::Floating, 3476898083u, 1271033480u, 1709884151u, 726840235u},
          {StepKind::DockBottom, 4137174859u, 3857377982u, 3660387776u, 3483705717u},
          {StepKind::ScriptToolbar, 4209631513u, 3185767240u, 1595904464u, 2826104809u},
          {StepKind::DockBottom, 2932557599u, 1052645574u, 431879519u, 3458197355u},
          {StepKind::Show, 1682676386u, 2803694616u, 1067019064u, 1960298841u},
          {StepKind::ResizeBox, 2158337513u, 2340760699u, 876238999u, 3636018161u},
          {StepKind::DockRight, 2004162171u, 506278244u, 2340774754u, 2550315452u},
          {StepKind::Restore, 2949320291u, 1706830153u, 2133456727u, 3592719195u},
          {StepKind::DockRight, 2135767284u, 2119395957u, 987891714u, 3223231998u},
          {StepKind::ToolbarMove, 4226169646u, 3069678189u, 2557286541u, 1399814925u}}},
        // A dock coming into one area cuts the lines of another while the toolkit takes it in:
        // they take back what they showed, not room in proportion to what each holds.
        {"lines cut while a dock comes take back what they showed",
         {{StepKind::Start, 3784624425u, 175772878u, 51604700u, 3333482917u},
          {StepKind::Floating, 1327109090u, 419844217u, 1393155249u, 3581969342u},
          {StepKind::DockRight, 2288244332u, 1743488832u, 1328758249u, 1140734966u},
          {StepKind::DockBottom, 733658225u, 3123103980u, 1664765425u, 2651907477u},
          {StepKind::DockRight, 3344125310u, 69659328u, 3778931890u, 2903833792u},
          {StepKind::DockBottom, 2126103959u, 876480880u, 3278608261u, 1482640005u},
          {StepKind::ResizeBox, 2162054219u, 1968328687u, 1025444882u, 1717061333u},
          {StepKind::Show, 2574976570u, 3179323321u, 3767124211u, 2774648636u},
          {StepKind::Drag, 101512751u, 2238911501u, 2723757307u, 187788150u},
          {StepKind::DockRight, 173753518u, 1544677257u, 1705628744u, 2702301716u},
          {StepKind::ToolbarMove, 1861848482u, 2183954839u, 2819916576u, 1863881006u},
          {StepKind::Restore, 4258257325u, 3395847151u, 1288567858u, 2727216874u},
          {StepKind::ResizeBox, 40333554u, 241572625u, 239667955u, 2012857400u},
          {StepKind::Restore, 1353670769u, 1425975831u, 2900721149u, 3422159382u},
          {StepKind::DockRight, 1052480555u, 2019269762u, 1717350648u, 3861550198u},
          {StepKind::DockBottom, 4178197738u, 1629587294u, 280957952u, 3585740286u},
          {StepKind::DockRight, 3449844552u, 4039104379u, 536467487u, 728297749u}}},
        // The window grown back to its size: the toolkit gave a line it had cut 4 px more
        // than it showed and the line beside it 5 px less, with no room in the code to give.
        {"lines a resize cut take back what they showed",
         {{StepKind::Start, 642539216u, 2677639303u, 3415986803u, 3708944320u},
          {StepKind::Show, 1462265589u, 4135083241u, 3524187626u, 4079195887u},
          {StepKind::DockRight, 994415070u, 735874902u, 2971127149u, 2924954835u},
          {StepKind::ToolbarMove, 3859042699u, 3821931225u, 3973121772u, 395998039u},
          {StepKind::FindToolbar, 1165364539u, 2705005626u, 3315697421u, 3306442470u},
          {StepKind::Restore, 2168331854u, 59497451u, 4169737353u, 4232605706u},
          {StepKind::DockRight, 1344275461u, 247316141u, 3415793197u, 3758128750u},
          {StepKind::DockRight, 1407766287u, 161859353u, 632968964u, 1205616564u},
          {StepKind::ToolbarRecord, 3486894020u, 3044972903u, 584049948u, 3402498300u},
          {StepKind::RestoreTab, 3145963370u, 1868247928u, 1162014947u, 4278479043u},
          {StepKind::ResizeWindow, 544025918u, 321104929u, 3154365341u, 4201571574u}}},
        // A held bottom line given the code's room while the toolkit grew the window to its
        // least (a box sized): what it shows then is what a smaller window later cuts.
        {"lines a resize cut take back what they showed once held lines took room",
         {{StepKind::Start, 849569233u, 2286992702u, 4203030010u, 588409913u},
          {StepKind::DockBottom, 2678784919u, 1666674837u, 1952766949u, 1943665013u},
          {StepKind::DockRight, 3956368393u, 2021020938u, 2617144943u, 2250652522u},
          {StepKind::DockRight, 1207827220u, 3005798662u, 2500571779u, 2867026599u},
          {StepKind::Show, 1903721182u, 1281306870u, 1640788806u, 2567629710u},
          {StepKind::Hide, 3902820498u, 708463438u, 1166223336u, 3172962685u},
          {StepKind::DockRight, 275580816u, 1118469285u, 4272899316u, 634180271u},
          {StepKind::DockRight, 1048007900u, 476622704u, 2084512613u, 221638557u},
          {StepKind::ShowAgain, 2083964527u, 3231908415u, 349197046u, 687715296u},
          {StepKind::DockBottom, 3380936106u, 343527883u, 1800719214u, 864524000u},
          {StepKind::ResizeBox, 1270272977u, 637680458u, 2963948937u, 3800125777u},
          {StepKind::FindToolbar, 186664897u, 1882176990u, 2024936612u, 3112297947u},
          {StepKind::ResizeWindow, 984233923u, 2820875194u, 2284970940u, 3671018703u}}},
        // A toolbar row the toolkit took in by growing the window to its least, for the fit to
        // give its size back, cut a bottom line: no resize did, and a window made smaller and as
        // large again gave the line room back.
        {"a toolbar row cuts a line that a resize gives nothing back",
         {{StepKind::Start, 1108548188u, 782495391u, 4190013714u, 3051830767u},
          {StepKind::Restore, 2915478928u, 3080333768u, 2490790330u, 1641404295u},
          {StepKind::FindToolbar, 876774858u, 986192203u, 1080770703u, 741660462u},
          {StepKind::Show, 2216305936u, 50575278u, 3035918245u, 2101113839u},
          {StepKind::ShrinkScreen, 878134204u, 3747269063u, 200813336u, 3535915591u},
          {StepKind::DockRight, 2085341984u, 166856015u, 3319018915u, 3293261698u},
          {StepKind::Drag, 2999438957u, 1853354213u, 1456344922u, 889290323u},
          {StepKind::DockRight, 831779796u, 4197850619u, 2385336466u, 3221455800u},
          {StepKind::DockBottom, 3476606147u, 1919276695u, 1185817056u, 86239088u},
          {StepKind::ScriptToolbar, 3832692454u, 17348966u, 2074521709u, 1406120136u},
          {StepKind::ResizeWindow, 913864258u, 3583840446u, 1964606881u, 2900025882u}}},
        // Tabs the fit made in an area take their room where the toolkit finds it, a line the
        // user dragged too: the area's lines stand as far across as before.
        {"a line dragged keeps its size when the fit makes tabs beside it",
         {{StepKind::Start, 1631441991u, 429972121u, 3287569039u, 4094355488u},
          {StepKind::DockBottom, 149870136u, 3788972027u, 1241218156u, 1604656150u},
          {StepKind::Show, 3132106157u, 3663316735u, 493726292u, 2728577845u},
          {StepKind::Drag, 2290521966u, 3483723932u, 1795894951u, 3973464462u},
          {StepKind::DockBottom, 2232688557u, 2970854590u, 2373529583u, 322645247u},
          {StepKind::DockBottom, 3159422891u, 2228716362u, 1899065636u, 449546543u},
          {StepKind::Restore, 4253846663u, 2915378539u, 2280187718u, 3325234625u},
          {StepKind::DockRight, 1238227816u, 2601629862u, 1094538988u, 3024918912u},
          {StepKind::ToolbarMove, 1122744954u, 2875166603u, 2904890344u, 3776951440u},
          {StepKind::DockBottom, 2111904268u, 2791578681u, 244221110u, 3695622335u}}},
        // The fit's tabs in an area leave its lines as far across as they stood, but what
        // the area's windows were once given.
        {"the fit's tabs leave the lines as they stood",
         {{StepKind::Start, 3922016160u, 113791740u, 299108819u, 4230189658u},
          {StepKind::DockBottom, 2397816234u, 3124883851u, 977711803u, 4249120471u},
          {StepKind::Restore, 1907533210u, 3841161682u, 337815144u, 3563319452u},
          {StepKind::Restore, 2285989550u, 284573205u, 912542628u, 4123448018u},
          {StepKind::DockBottom, 1229355531u, 644653925u, 1236392861u, 2801634883u},
          {StepKind::DockBottom, 3969062158u, 1688803455u, 217969635u, 34409759u},
          {StepKind::Floating, 3476898083u, 1271033480u, 1709884151u, 726840235u},
          {StepKind::DockBottom, 4137174859u, 3857377982u, 3660387776u, 3483705717u},
          {StepKind::ScriptToolbar, 4209631513u, 3185767240u, 1595904464u, 2826104809u},
          {StepKind::DockBottom, 2932557599u, 1052645574u, 431879519u, 3458197355u},
          {StepKind::Show, 1682676386u, 2803694616u, 1067019064u, 1960298841u},
          {StepKind::ResizeBox, 2158337513u, 2340760699u, 876238999u, 3636018161u},
          {StepKind::DockRight, 2004162171u, 506278244u, 2340774754u, 2550315452u},
          {StepKind::DockRight, 3577542576u, 1884883761u, 3091457003u, 404676205u},
          {StepKind::Restore, 2949320291u, 1706830153u, 2133456727u, 3592719195u},
          {StepKind::DockRight, 2135767284u, 2119395957u, 987891714u, 3223231998u},
          {StepKind::ToolbarMove, 4226169646u, 3069678189u, 2557286541u, 1399814925u}}},
        // A line the host's record hid comes back wider than the window: the lines shown kept
        // what they showed, and it takes the code's room.
        {"a line shown again takes the code's room, not the lines'",
         {{StepKind::Start, 3661068147u, 456220396u, 978327746u, 3343438537u},
          {StepKind::DockRight, 1382747585u, 2204686619u, 3141942923u, 3337859964u},
          {StepKind::DockRight, 1230529157u, 937565809u, 3016262122u, 2782526494u},
          {StepKind::Show, 3427673620u, 339063573u, 470792576u, 386716546u},
          {StepKind::DockRight, 3509363093u, 1768573055u, 2560959663u, 3038573463u},
          {StepKind::DockRight, 80006334u, 3887167996u, 3859498242u, 572982908u},
          {StepKind::DockBottom, 511992594u, 3394121711u, 3351798934u, 1031363611u},
          {StepKind::Restore, 2331575230u, 2630376432u, 3563633748u, 1582290900u},
          {StepKind::DockBottom, 3726822443u, 643866067u, 235631654u, 671620075u},
          {StepKind::FreshWindow, 3520734974u, 176633424u, 3276622725u, 4012567965u},
          {StepKind::ScriptToolbar, 3147744218u, 2851440057u, 2324905577u, 3389893986u},
          {StepKind::DockRight, 3983865706u, 2378415936u, 42243851u, 3657289025u},
          {StepKind::ResizeBox, 1664167498u, 2324512785u, 1664413465u, 529701442u},
          {StepKind::ShowAgain, 3704428274u, 2531500280u, 2979313014u, 2244200126u}}},
        // Records restored in a fresh window: the side areas' windows come back as long as
        // stored, though the bottom area is laid out after them.
        {"a restore brings the side areas' windows back as long as stored",
         {{StepKind::Start, 4038822082u, 3449243702u, 285614797u, 3146578697u},
          {StepKind::RestoreTab, 3543599219u, 2446555754u, 1314683114u, 2904341118u},
          {StepKind::DockBottom, 2254987197u, 510035242u, 4080567813u, 3626991849u},
          {StepKind::ShowAgain, 1291880780u, 3716469750u, 660066552u, 2866227974u},
          {StepKind::DockRight, 1214019402u, 633221850u, 819987246u, 2490494707u},
          {StepKind::Restore, 1236456965u, 3824841477u, 2194166599u, 3561596453u},
          {StepKind::RestoreTab, 1803129243u, 1974969879u, 3008717190u, 11916753u},
          {StepKind::FreshWindow, 3220194412u, 3611641155u, 670972612u, 958383713u},
          {StepKind::DockBottom, 2399916706u, 1892267632u, 239092598u, 7315302u},
          {StepKind::DockRight, 1286625539u, 980712268u, 2804064526u, 2588693997u},
          {StepKind::RoundTrip, 2084521790u, 1752668946u, 1413039375u, 2783957885u}}},
        // A side line whose group's other tab came back hidden shows no tab row: counted in its
        // least, it took 26 px from a restored bottom area.
        {"a group showing one tab adds no tab row to its least",
         {{StepKind::Start, 384373069u, 4236205892u, 2447685119u, 170450397u},
          {StepKind::Show, 1253919774u, 1725881186u, 3181117466u, 3026035263u},
          {StepKind::Restore, 3371170720u, 2216867384u, 440932359u, 1498550768u},
          {StepKind::RestoreTab, 3256264732u, 2995937282u, 3479559410u, 2096607150u},
          {StepKind::Restore, 758503469u, 90843497u, 1311322023u, 3121450369u},
          {StepKind::RoundTrip, 1702039628u, 1650675818u, 1064665817u, 3790353033u}}},
        // Side areas leaving the code no width: a new floating pane passing through the right
        // area gave the left one the room the right lines had, 63 px of a line the host sized.
        {"a floating pane leaves the left area as it stood too",
         {{StepKind::Start, 1087612215u, 761088647u, 1433832254u, 2863404779u},
          {StepKind::Restore, 964445837u, 1796729575u, 882145293u, 3986855574u},
          {StepKind::Show, 1881131247u, 3458891496u, 399791999u, 3367572610u},
          {StepKind::Restore, 1468061753u, 945877548u, 2382860203u, 2434779988u},
          {StepKind::DockBottom, 2211428592u, 4263585925u, 2776889521u, 1603748576u},
          {StepKind::ShowAgain, 1753726935u, 1722541362u, 1303003986u, 1070067711u},
          {StepKind::Restore, 1321854135u, 3650443303u, 2758888156u, 1362327860u},
          {StepKind::DockRight, 2454486513u, 763015841u, 3213386389u, 3781154034u},
          {StepKind::Restart, 1983735439u, 1765708287u, 3642996956u, 4052405828u},
          {StepKind::Hide, 3314377758u, 1283362328u, 2528082864u, 2546520116u},
          {StepKind::Restore, 2367794088u, 287554761u, 1362518451u, 2007434134u},
          {StepKind::FloatButton, 170016489u, 3936858425u, 635463227u, 1062106185u},
          {StepKind::Dock, 1764068015u, 4068714755u, 4239409770u, 1148387874u},
          {StepKind::Floating, 1394621217u, 3653194299u, 4088108369u, 101988179u}}},
        // A tab floated by the host out of a group whose other tab floats already landed
        // where that floating tab stood, not where its group showed it.
        {"a tab floats where its group shows, not where a tab floated out stands",
         {{StepKind::Start, 751997003u, 2987254382u, 2927348347u, 1081772867u},
          {StepKind::DockBottom, 1945022835u, 520137147u, 2568503788u, 2030841003u},
          {StepKind::DockRight, 225133311u, 1204347805u, 898244000u, 3952724118u},
          {StepKind::DockRight, 1183545748u, 1446628462u, 916878953u, 4114937255u},
          {StepKind::DockBottom, 1419362269u, 220702082u, 1988595848u, 669139126u},
          {StepKind::Show, 1358906226u, 1316321164u, 2632195727u, 1209013397u},
          {StepKind::HideTabs, 3946474504u, 3542430807u, 3954612432u, 1928910509u},
          {StepKind::DockRight, 601918367u, 4051066423u, 556701534u, 1639550634u},
          {StepKind::HideTabs, 4040787019u, 3624941499u, 2602593781u, 388174108u},
          {StepKind::DockBottom, 505759888u, 2280174480u, 1907097680u, 2529695179u},
          {StepKind::ScriptToolbar, 1577766000u, 1632514348u, 4253691531u, 478546167u},
          {StepKind::Undock, 3476142467u, 2908392311u, 4266186604u, 2474840028u},
          {StepKind::Undock, 3594768291u, 339696105u, 2376445113u, 613666016u},
          {StepKind::Restore, 2703483253u, 1112240326u, 2578964869u, 2156445367u},
          {StepKind::DockRight, 1562760205u, 2431341701u, 297818298u, 3967400533u},
          {StepKind::FloatButton, 4145634982u, 487000162u, 638595199u, 4212289526u},
          {StepKind::Undock, 3311943244u, 1315196894u, 476726578u, 2743801578u}}},
        // A pane floated by its button and docked back by the host before its window was
        // framed was placed as a window once the look for the late frame came: its line came
        // back from the records at its least (seeds 3772 and 2351, on a busy machine).
        {"a pane docked back before its float was framed stays where it docked",
         {{StepKind::Start, 720805051u, 3084436892u, 4128847347u, 1191096111u},
          {StepKind::DockRight, 4165462849u, 2463121383u, 2449117110u, 2125359761u},
          {StepKind::Show, 795279466u, 3352529153u, 2352351678u, 911848693u},
          {StepKind::Drag, 4081880357u, 843210173u, 17099876u, 4196208037u},
          {StepKind::HideTabs, 1864723777u, 4924420u, 2594449270u, 4080522147u},
          {StepKind::Restore, 2994618372u, 2988704761u, 2797909774u, 2193954311u},
          {StepKind::DockBottom, 324945127u, 2736041965u, 1596925775u, 3106841087u},
          {StepKind::DockBottom, 1041021119u, 2813185333u, 1446270397u, 176614035u},
          {StepKind::FloatButton, 3328648u, 2037870737u, 3141519001u, 3643902944u},
          {StepKind::Dock, 1351319522u, 450111332u, 3403463796u, 2927217047u},
          {StepKind::RoundTrip, 1750872428u, 3055526956u, 240361246u, 201758206u}}},
        // The fit put a line of tabs onto the line before it: the area's other lines were
        // left with the room of the line gone, beyond the sizes set.
        {"a line of tabs the fit moves leaves the lines as they stood",
         {{StepKind::Start, 1959078752u, 3185679696u, 1400292014u, 1375449524u},
          {StepKind::DockBottom, 3644726194u, 1335723619u, 2060965095u, 4010725595u},
          {StepKind::Restore, 1360745167u, 2570506697u, 2206854014u, 4137834846u},
          {StepKind::FreshWindow, 3209194809u, 1996665096u, 3772168525u, 1969784213u},
          {StepKind::Restart, 365977268u, 172076876u, 4221619437u, 2418404931u},
          {StepKind::ShowAgain, 3045852819u, 10931187u, 4087199233u, 1963369381u},
          {StepKind::ScriptToolbar, 1142380517u, 454690929u, 3670732845u, 2132548091u},
          {StepKind::DockBottom, 309991755u, 2268556527u, 2617620516u, 1263367132u},
          {StepKind::DockBottom, 3583859193u, 348208875u, 576121139u, 3905453407u},
          {StepKind::DockBottom, 55947707u, 384310314u, 864514017u, 366402205u},
          {StepKind::HideTabs, 1740078793u, 1152274143u, 2091245437u, 3935092451u},
          {StepKind::Restore, 2766135757u, 1898153566u, 3310769503u, 1232188363u}}},
        // Made smaller and as large again by the window system before the toolkit's turn, the
        // window gave its lines nothing back: the second resize came while the first waited.
        {"lines come back after two resizes in one turn",
         {{StepKind::Start, 1317276489u, 375636080u, 1195085406u, 4035063153u},
          {StepKind::Show, 2355950545u, 2614115571u, 670705588u, 1507905859u},
          {StepKind::DockBottom, 171377564u, 3164633509u, 4082618150u, 890711845u},
          {StepKind::DockRight, 4008158776u, 3828258807u, 2657438307u, 2996282984u},
          {StepKind::DockRight, 2072795008u, 3336106229u, 117733455u, 4064860527u},
          {StepKind::DockRight, 2892514310u, 1616793623u, 3669849568u, 443663367u},
          {StepKind::FindToolbar, 4068566709u, 840236369u, 3054004120u, 2903716660u},
          {StepKind::Restore, 2608329253u, 3627621602u, 2669371271u, 1015315810u},
          {StepKind::Restore, 2587030781u, 1007946285u, 1746360598u, 665794573u},
          {StepKind::ScriptToolbar, 3876024712u, 1325785186u, 3095292001u, 505909332u},
          {StepKind::DockRight, 3170591751u, 1491053826u, 3061053885u, 2483301228u},
          {StepKind::Restore, 3870033562u, 617834488u, 1018362223u, 2220700303u},
          {StepKind::ResizeByWindowSystem, 1248082298u, 1072916717u, 2850572938u, 4075405431u}}},
        // A memory view's pane, laying its rows out anew in a window made smaller, asked for
        // room it had asked for before: the dock grew for it as for a new ask, and kept that
        // room once the window was as large again (seeds 21173 and 22506).
        {"a window made smaller is no pane asking for more, through its platform window",
         {{StepKind::Start, 2800046011u, 3604817176u, 3690280546u, 2879785549u},
          {StepKind::Show, 2063355185u, 1766171009u, 1283223507u, 4119696651u},
          {StepKind::MemoryView, 1736391456u, 3113041744u, 2389218870u, 2665622486u},
          {StepKind::ResizeByWindowSystem, 1420639777u, 3887567895u, 4093566755u, 4102231533u}}},
        {"a window made smaller is no pane asking for more",
         {{StepKind::Start, 3689116760u, 2660479450u, 1840896982u, 3348875349u},
          {StepKind::Show, 2142373171u, 459887402u, 2897608497u, 2524878568u},
          {StepKind::MemoryView, 1598810490u, 3556478594u, 216288757u, 2076076266u},
          {StepKind::ResizeWindow, 120970462u, 926238996u, 4291460717u, 2014172736u}}},
        // A dock the host sized before the show came up at a share of the window instead: its
        // line held that share, and a line the host sized after the show gave room for it
        // (seed 20187).
        {"a size the host gave before the show is held at the show",
         {{StepKind::Start, 548322996u, 1095826050u, 198295908u, 1010733229u},
          {StepKind::Restore, 1366491537u, 2305025119u, 202308448u, 277884039u},
          {StepKind::MemoryView, 3531131104u, 2946296992u, 1755911656u, 2386509049u},
          {StepKind::ResizeBox, 4244524667u, 2296727525u, 3710102490u, 3953316698u},
          {StepKind::DockRight, 4077401428u, 3717928160u, 681883531u, 2867827306u},
          {StepKind::DockBottom, 3738304547u, 2570491661u, 1843886306u, 2222310228u},
          {StepKind::Show, 1578911440u, 2759177795u, 2606313887u, 3781701084u},
          {StepKind::ResizeBox, 2282089442u, 605333696u, 2577198641u, 2861843429u},
          {StepKind::DockRight, 52842650u, 413461774u, 4291322570u, 3254036974u}}},
        // Before the show the host sized a memory view's dock and a record brought a pane
        // back beside it: the line stands as far across as the host asked, the pane's too, and
        // once the memory dock closed the pane kept that size. The checker took the pane's
        // line for one holding the record's size only, as it read no line before the show
        // (seed 20187).
        {"a size the host gave before the show sizes the dock's line",
         {{StepKind::Start, 548322996u, 1095826050u, 198295908u, 1010733229u},
          {StepKind::MemoryView, 3531131104u, 2946296992u, 1755911656u, 2386509049u},
          {StepKind::Restore, 4038005175u, 2993021114u, 3476568141u, 2478221777u},
          {StepKind::ResizeBox, 4244524667u, 2296727525u, 3710102490u, 3953316698u},
          {StepKind::DockRight, 4077401428u, 3717928160u, 681883531u, 2867827306u},
          {StepKind::DockBottom, 3738304547u, 2570491661u, 1843886306u, 2222310228u},
          {StepKind::Show, 1578911440u, 2759177795u, 2606313887u, 3781701084u},
          {StepKind::Restore, 1722158991u, 3099102825u, 1193101602u, 4271322822u},
          {StepKind::ResizeBox, 3841012297u, 3292592294u, 1446287732u, 1382567793u},
          {StepKind::Drag, 178249793u, 1482179140u, 4240816181u, 1681849984u},
          {StepKind::DockBottom, 721362737u, 3012248093u, 2953497240u, 4054302644u},
          {StepKind::CloseMemory, 3825385108u, 2485973660u, 409469651u, 1286165227u},
          {StepKind::DockRight, 2669835858u, 2502241180u, 1858544573u, 1473050890u}}},
        // A pane docked back where the toolkit kept its place stood on a line of its own, which
        // the layout took for the line beside it: that line's room went to a new floating pane
        // passing through the area (seed 119, once memory views' docks asked for their rows
        // only once).
        {"a pane docked back on a line of its own is known as one",
         {{StepKind::Start, 2138168738u, 3890692122u, 876378294u, 261124441u},
          {StepKind::FreshWindow, 2549913045u, 445870522u, 1862992593u, 2684519340u},
          {StepKind::DockRight, 2318147586u, 2041312923u, 3405670712u, 2368195352u},
          {StepKind::Floating, 675630158u, 1406791780u, 1506041515u, 186160428u},
          {StepKind::Drag, 1454155069u, 2029463311u, 0u, 3261517125u},
          {StepKind::MemoryView, 2182038093u, 2782724250u, 500306938u, 755439982u},
          {StepKind::Undock, 3711497510u, 1704745126u, 3456941647u, 849285691u},
          {StepKind::Undock, 974681921u, 1310700312u, 3204010562u, 3296805427u},
          {StepKind::Restore, 335196384u, 434339709u, 2146743823u, 263287329u},
          {StepKind::DockRight, 1640185860u, 3077665049u, 2988438867u, 2805790273u},
          {StepKind::Undock, 1443807052u, 2050152343u, 1477624261u, 2971620706u},
          {StepKind::Dock, 1290722600u, 463271881u, 2387616586u, 3666846388u},
          {StepKind::Drag, 404162658u, 3426413640u, 1034047275u, 169832337u},
          {StepKind::Floating, 444168913u, 644800699u, 2614206334u, 1328671580u}}},
        // A drag between two windows of a line held the line's size across as the user's: a
        // line the host sized gave room while that line kept all it had (seed 23191).
        {"a drag along a line sets no size across",
         {{StepKind::Start, 3257658308u, 2324581767u, 2178402288u, 1583912793u},
          {StepKind::Restore, 1168837144u, 3079536382u, 419724953u, 2479036620u},
          {StepKind::Restore, 2686474523u, 1715855592u, 794304039u, 2551538055u},
          {StepKind::Show, 1035762424u, 73912963u, 851471648u, 924634828u},
          {StepKind::DockBottom, 517840019u, 2189395711u, 233422886u, 1308547710u},
          {StepKind::DockRight, 1850071167u, 6977971u, 1681328225u, 2009156499u},
          {StepKind::DockRight, 4208461928u, 854655831u, 3221081186u, 1320122582u},
          {StepKind::Drag, 3639619604u, 2305604107u, 3922279031u, 3655703183u},
          {StepKind::DockRight, 514981575u, 1376411553u, 3193085378u, 1116689754u},
          {StepKind::Restore, 3063964519u, 1877574939u, 4252578272u, 3767164465u},
          {StepKind::DockRight, 2913686111u, 3636063377u, 2670503530u, 1804349895u},
          {StepKind::Floating, 1289769483u, 3085061538u, 2979872540u, 609888831u},
          {StepKind::DockBottom, 663429603u, 2869166929u, 1842329719u, 1480367878u},
          {StepKind::Restore, 1057834350u, 1227550303u, 1081758054u, 3179614370u},
          {StepKind::Restore, 3704460131u, 398078925u, 2749705977u, 3835330919u},
          {StepKind::ResizeBox, 277399762u, 1455459639u, 1162389811u, 3300012089u},
          {StepKind::ResizeBox, 3169234841u, 1633649540u, 1347104379u, 359466208u}}},
        // The fit made a window the host or the user sized a tab of a group holding no size:
        // the group took the window standing's size, and the line gave the held size up for
        // good, though room came free later (seeds 24599 and 21464).
        {"a held window the fit makes a tab brings its size to the group",
         {{StepKind::Start, 3684900026u, 1152081972u, 683451722u, 3832700414u},
          {StepKind::Restore, 2772355174u, 231597905u, 1434025987u, 304666923u},
          {StepKind::Restore, 3270500790u, 2409070715u, 3652416373u, 149444726u},
          {StepKind::Show, 3415230058u, 401776920u, 3615805968u, 3222709391u},
          {StepKind::Restore, 4202837019u, 829970290u, 1269203333u, 2385242214u},
          {StepKind::DockBottom, 2082179010u, 302718261u, 3952008337u, 2781877082u},
          {StepKind::Undock, 1693394324u, 1950400079u, 15433949u, 2850904591u},
          {StepKind::Floating, 1023298740u, 1200417561u, 2514712188u, 16081132u},
          {StepKind::DockRight, 204426487u, 390235456u, 2175058813u, 3926371065u},
          {StepKind::DockRight, 3294373244u, 1127949525u, 118421221u, 2827833212u},
          {StepKind::DockRight, 2347509478u, 1344518255u, 2496906532u, 3307074371u},
          {StepKind::DockBottom, 1433421832u, 147707400u, 3859396806u, 3340765860u},
          {StepKind::Restore, 1157557092u, 4221511512u, 704575500u, 3105938214u},
          {StepKind::DockRight, 3941869334u, 1917732216u, 1945482911u, 778846288u},
          {StepKind::Drag, 2077104348u, 3173436147u, 403042249u, 676890141u},
          {StepKind::ResizeBox, 1889254891u, 819480833u, 2339182286u, 2765773757u},
          {StepKind::MemoryView, 2427015533u, 1026450452u, 2388875530u, 4200426587u},
          {StepKind::FloatButton, 4031806994u, 2750717098u, 3935766546u, 1157801997u},
          {StepKind::DockRight, 787035083u, 4084788828u, 2976537962u, 996886340u},
          {StepKind::ShrinkScreen, 1167214257u, 3939740341u, 83992595u, 4057730403u},
          {StepKind::DockRight, 2111603902u, 735779164u, 736767041u, 1229986356u}}},
        {"a held window the fit makes a tab beside a line keeps its size",
         {{StepKind::Start, 1886846556u, 1266340872u, 4052401916u, 102018003u},
          {StepKind::RestoreTab, 4126756782u, 3665144931u, 544031145u, 4085928791u},
          {StepKind::ShrinkScreen, 1949344738u, 1537886599u, 2453854404u, 1477930628u},
          {StepKind::Show, 4083855716u, 4237343711u, 1032960047u, 2175180917u},
          {StepKind::DockBottom, 2676055447u, 2900518715u, 3114939978u, 3308943751u},
          {StepKind::DockRight, 3030358241u, 2622923294u, 372505723u, 3482757391u},
          {StepKind::DockBottom, 4245930525u, 1020870910u, 839807126u, 2285955366u},
          {StepKind::Restore, 4134527522u, 887508998u, 995489395u, 2337052869u},
          {StepKind::DockBottom, 3420600574u, 3137430143u, 2614746800u, 3201149369u},
          {StepKind::DockRight, 3253932682u, 2571695938u, 1614614459u, 113331413u},
          {StepKind::DockRight, 215819449u, 601897294u, 2098137198u, 1776161526u},
          {StepKind::ResizeBox, 3456554718u, 2397054584u, 4038608631u, 3311864174u},
          {StepKind::Restore, 5091423u, 440205155u, 465180248u, 3646051409u},
          {StepKind::Drag, 2242171255u, 2581991407u, 684956467u, 4046708823u},
          {StepKind::FindToolbar, 3342939080u, 4058317195u, 3591373083u, 2306959086u},
          {StepKind::DockRight, 151374766u, 3374149921u, 1608565860u, 3149076056u}}},
        // The host sized a hidden window standing for a group whose tab shows: that extent,
        // waiting for the window to show, sized the group's line at the next fit.
        {"a hidden window standing for its group waits with its size",
         {{StepKind::Start, 910238857u, 3544348952u, 4038263903u, 1645198277u},
          {StepKind::Restore, 4294922395u, 3249243914u, 3445663847u, 1249715455u},
          {StepKind::Show, 658976449u, 424001185u, 4216337754u, 253318757u},
          {StepKind::DockBottom, 3378867710u, 995179975u, 3879496583u, 2525636117u},
          {StepKind::DockBottom, 642591425u, 2186178026u, 1575731989u, 3272022168u},
          {StepKind::DockRight, 3696306986u, 323497145u, 4092270316u, 681748411u},
          {StepKind::Hide, 1003969516u, 4066111282u, 2414417314u, 1879674687u},
          {StepKind::DockRight, 1876735424u, 877611063u, 1405525083u, 739113044u},
          {StepKind::Restore, 3051853935u, 3875576699u, 2483126136u, 3709989630u},
          {StepKind::DockRight, 203774485u, 653533583u, 3795145641u, 3310265941u},
          {StepKind::Floating, 3271693917u, 592740504u, 1250795223u, 469130137u},
          {StepKind::Close, 787376459u, 1728942260u, 1145583630u, 4159783693u},
          {StepKind::Restore, 106035717u, 3220927217u, 2335861333u, 2387447288u},
          {StepKind::Restore, 2684096097u, 2571980582u, 72998707u, 2980054201u},
          {StepKind::HideTabs, 2445511164u, 1811853169u, 2423016738u, 791103977u},
          {StepKind::RestoreTab, 3178336472u, 3059208262u, 3446547472u, 3332432040u},
          {StepKind::Hide, 1145974582u, 2239419817u, 1640342561u, 1943024799u},
          {StepKind::Drag, 3004124795u, 3975232158u, 3690774602u, 1451978292u},
          {StepKind::DockRight, 1366189733u, 1188640600u, 2709972188u, 286193647u},
          {StepKind::ResizeBox, 1720190441u, 809296990u, 2627055277u, 2781777959u},
          {StepKind::ToolbarMove, 4165426235u, 1651657251u, 3631836483u, 3286740431u}}},
        // Records read before the show held the sizes nothing had laid out yet: a host storing
        // them then lost the ones its records had brought back.
        {"records read before the show say what it gives",
         {{StepKind::Start, 1959078752u, 3185679696u, 1400292014u, 1375449524u},
          {StepKind::Restore, 870988249u, 3512232364u, 4124733627u, 1881645579u},
          {StepKind::Show, 3370139594u, 1185872616u, 207085230u, 2715242137u}}},
        {"a record below a dock's least is read before the show as the show gives it",
         {{StepKind::Start, 1678184197u, 2322579140u, 1679353820u, 56013736u},
          {StepKind::Restore, 2044372114u, 189022910u, 1002526900u, 1871622770u},
          {StepKind::FreshWindow, 595072616u, 2709850859u, 612867203u, 1725268531u}}},
        {"records of a fresh window read before its show say what it gives",
         {{StepKind::Start, 2789402905u, 3439680157u, 873037833u, 4198957408u},
          {StepKind::DockRight, 2267163968u, 2197185926u, 2187171792u, 546968012u},
          {StepKind::FreshWindow, 743734138u, 838139268u, 1893827494u, 3522460190u}}},
        // A group of tabs stands with its tab row: along the bottom its line is as high as the
        // group and the row, and a window beside the group as high as the line; across a side
        // area the group is as wide as the row's least (seeds 20160 and 20172).
        {"records read before the show count a group's tab row along the bottom",
         {{StepKind::Start, 1028489995u, 2936349832u, 656872060u, 332807581u},
          {StepKind::DockBottom, 2093279021u, 529834342u, 323320106u, 3390790096u},
          {StepKind::MemoryView, 178757248u, 1364198901u, 3004051108u, 768507502u},
          {StepKind::Restore, 1844930350u, 1911488336u, 1239192423u, 1782482681u},
          {StepKind::DockBottom, 2162730033u, 3316759297u, 2364904887u, 1762399157u},
          {StepKind::DockBottom, 1607214703u, 1535124232u, 1268860997u, 3577637887u},
          {StepKind::Restart, 3675265864u, 4160534261u, 3722327459u, 3598052573u},
          {StepKind::DockBottom, 837749762u, 3373621518u, 929258211u, 1796386188u},
          {StepKind::FreshWindow, 1231017141u, 2139404798u, 1608112965u, 505742008u}}},
        {"records read before the show count a group's tab row across a side area",
         {{StepKind::Start, 1971615812u, 2275689212u, 1755696405u, 4239453780u},
          {StepKind::DockRight, 3668575310u, 3884861787u, 3607827665u, 2758777394u},
          {StepKind::DockRight, 285081898u, 3187827540u, 4168388535u, 3732962446u},
          {StepKind::Show, 1950377076u, 3953730141u, 681548026u, 4091257283u},
          {StepKind::Restore, 4277602500u, 4061457620u, 972505197u, 3473038919u},
          {StepKind::HideTabs, 3652655444u, 871084907u, 1476269176u, 2339413055u},
          {StepKind::Restore, 877632190u, 2238023853u, 2639007549u, 3460545440u},
          {StepKind::DockRight, 1643399752u, 3994724880u, 3949227041u, 3793560899u},
          {StepKind::DockRight, 1217332393u, 1445463328u, 1257963810u, 834461676u},
          {StepKind::Restart, 2976907704u, 2004936639u, 3104067950u, 441777182u}}},
        // A left line shown again with no room left beside the code: the toolkit took its
        // room from the right line the host had sized too (seed 28492).
        {"a line shown again takes its room from its own area",
         {{StepKind::Start, 2742643647u, 3821426035u, 2123631770u, 781743814u},
          {StepKind::HideTabs, 1097288409u, 2944601868u, 3858002180u, 1703604464u},
          {StepKind::Restore, 3555543033u, 4077211148u, 3508996193u, 3016173620u},
          {StepKind::Restore, 2001118140u, 1679862825u, 2621586537u, 1068782656u},
          {StepKind::Show, 773799738u, 2658556584u, 2569360610u, 1277343896u},
          {StepKind::DockRight, 1579276362u, 30595238u, 220531615u, 3885165452u},
          {StepKind::FloatButton, 1117464829u, 3249120673u, 4102413477u, 809197277u},
          {StepKind::Hide, 2120343446u, 2434800410u, 1607524426u, 88372387u},
          {StepKind::HideTabs, 915040930u, 3609312007u, 3713634288u, 127123239u},
          {StepKind::Dock, 1163834126u, 3688054079u, 2548389107u, 49537914u},
          {StepKind::ResizeBox, 4044561628u, 2194293957u, 1512893226u, 4286170100u},
          {StepKind::Drag, 4204379683u, 1203352635u, 2616717918u, 4228595663u},
          {StepKind::ShowAgain, 3388490845u, 1971678653u, 1820408281u, 3564350406u}}},
        // A group whose window standing the host hid before the show: the records read then
        // sized its line by a window of the line without a record, not by the group's tab
        // its record had sized, which the show lays out.
        {"records before the show size a line by a hidden group's tab",
         {{StepKind::Start, 3065914109u, 3816199356u, 825721002u, 93693473u},
          {StepKind::RestoreTab, 3859431923u, 747650688u, 1687387123u, 1300687528u},
          {StepKind::RestoreTab, 2078631381u, 1987947611u, 1584916781u, 1256441459u},
          {StepKind::HideTabs, 2200207383u, 2619642910u, 571771291u, 974003456u},
          {StepKind::Show, 3698182764u, 2905206768u, 364113734u, 2972111455u}}},
        // A pane made before the show joined, as the tab shown, a group its records had sized,
        // whose window standing the host hid: the show laid the group out at the new pane's
        // share of the window, 130 px high where the records read before it said 120 (seed
        // 50412).
        {"a pane joining a group its records sized shows at the group's size",
         {{StepKind::Start, 1871986218u, 1923579593u, 1808049695u, 3262476557u},
          {StepKind::FloatOutOfTabs, 1059851485u, 2525985389u, 1357002917u, 539406104u},
          {StepKind::ShowAgain, 4261037833u, 1593111813u, 2909036446u, 1944219026u},
          {StepKind::DockBottom, 383688428u, 1748574763u, 1841950643u, 4090983025u},
          {StepKind::Show, 3567582759u, 2491820966u, 3484559632u, 1892742138u}}},
        // A group the host brought back whole by its records holds their size: the checker took
        // it for a line holding none, which was to give all its room before a right line the
        // host sized gave any to a box made larger (seeds 51466 and 51263).
        {"a group restored by its records holds their size",
         {{StepKind::Start, 907298305u, 2768675106u, 4289158741u, 495840569u},
          {StepKind::DockBottom, 3154005824u, 1700636199u, 3336831217u, 1059398142u},
          {StepKind::Restore, 1904501448u, 44460418u, 2751625284u, 2215427769u},
          {StepKind::DockRight, 317431947u, 3583092778u, 660926896u, 3144208378u},
          {StepKind::HideTabs, 1025412869u, 3777112249u, 2601734161u, 1501734776u},
          {StepKind::DockRight, 1320981655u, 2558476514u, 215670506u, 4202820333u},
          {StepKind::Show, 2274425469u, 2329778999u, 2230114326u, 3806698388u},
          {StepKind::DockBottom, 4039852737u, 4015344309u, 272655178u, 4258832686u},
          {StepKind::Restore, 1658514971u, 3377226244u, 989449319u, 3565739526u},
          {StepKind::DockRight, 3010915800u, 2357405698u, 1249816166u, 4042585358u},
          {StepKind::DockRight, 2397883973u, 195611944u, 2115743927u, 942740805u},
          {StepKind::Drag, 4190031314u, 1921455245u, 4223877737u, 503915465u},
          {StepKind::ResizeBox, 1147853116u, 829764159u, 697177204u, 3511998358u},
          {StepKind::FloatOutOfTabs, 2345745690u, 3678764948u, 3855297459u, 3776106560u},
          {StepKind::Restore, 348454825u, 2935335418u, 146810873u, 4197811723u},
          {StepKind::HideTabs, 3615003097u, 3323380754u, 1970974264u, 1351923301u},
          {StepKind::ResizeBox, 3941350486u, 2997092453u, 3812555333u, 2484708580u}}},
        // A right dock hidden while the toolkit gave it no height stored its width with a height
        // of 0: the record held no size then, and the dock came back at a share of the window,
        // 340 px wide instead of 458 (seed 40179, after a drag whose release a hide took).
        {"a dock hidden at no length keeps its width in its record",
         {{StepKind::Start, 2709872482u, 3496577339u, 2192753430u, 1848730407u},
          {StepKind::DockBottom, 2502926434u, 456156348u, 890996773u, 1142613220u},
          {StepKind::Show, 2082118589u, 594201702u, 3561401033u, 267023208u},
          {StepKind::Hide, 2017091895u, 2507903251u, 1340905016u, 1579801303u},
          {StepKind::Restore, 2233719446u, 2227682615u, 2519027926u, 3009576319u},
          {StepKind::DockRight, 3747064334u, 2428204487u, 1185322660u, 947121118u},
          {StepKind::Restore, 1978755030u, 1365202676u, 599859059u, 1354431212u},
          {StepKind::DockRight, 3104866160u, 3554055126u, 3771711928u, 3678014467u},
          {StepKind::Close, 3990061899u, 389295916u, 2210523323u, 2181810867u},
          {StepKind::Floating, 1418249030u, 1666379435u, 3894116233u, 2667945341u},
          {StepKind::Restore, 2400601024u, 2533266102u, 2119970662u, 3219894834u},
          {StepKind::DockRight, 3002043772u, 1888158219u, 1778304717u, 2399501906u},
          {StepKind::RestoreTab, 3835784805u, 2252460480u, 2500717410u, 997038608u},
          {StepKind::DockBottom, 1479621369u, 3576089100u, 3566834328u, 2789146890u},
          {StepKind::Drag, 341570054u, 3775409197u, 2486535088u, 1796387543u},
          {StepKind::HideTabs, 3829326053u, 4059731859u, 217609023u, 1732851300u},
          {StepKind::DockRight, 3474975660u, 1566075128u, 958448751u, 1943940154u},
          {StepKind::ShrinkScreen, 2883839663u, 1545715064u, 814698811u, 1594889462u},
          {StepKind::ResizeBox, 3107072734u, 414956482u, 2988312080u, 2058809164u},
          {StepKind::FloatButton, 3442775143u, 3203484942u, 1424724121u, 3183462751u},
          {StepKind::FloatButton, 4029194977u, 3633827874u, 496826788u, 628263730u},
          {StepKind::MemoryView, 2958748558u, 2357346082u, 1081370512u, 1329817001u},
          {StepKind::ResizeBox, 4049437705u, 4115207878u, 405235959u, 2280799358u},
          {StepKind::RoundTrip, 2637776853u, 3611111675u, 3974154937u, 146560501u}}},
        // A memory view's line below a bottom line on a small screen, a right line beside: a
        // drag of the separator above the bottom line towards the code, whose row the right
        // line held up at its least, was taken for one refused with 102 px to spare (seed
        // 50078): the row's room is what the code and the side lines spare.
        {"a drag towards the code counts the side lines' least",
         {{StepKind::Start, 3604890230u, 1096848784u, 2565957176u, 1867929471u},
          {StepKind::ShrinkScreen, 1005648984u, 951544303u, 1978807158u, 683104011u},
          {StepKind::Show, 2191212833u, 3219502207u, 1481962768u, 495368267u},
          {StepKind::DockRight, 1271877542u, 3857981375u, 3701036549u, 3698655156u},
          {StepKind::Restore, 3641914248u, 2897697603u, 3605202514u, 3975324472u},
          {StepKind::MemoryView, 4095523190u, 2586588368u, 3303240516u, 751229152u},
          {StepKind::Drag, 3886151869u, 62909951u, 1513687680u, 1277590390u}}},
        // A pane 151 px high and a group of two 125 px high with its row of tabs, restored
        // beside it after the show on a screen of 1024x600, came back 23 px lower.
        {"a pane beside a group restored after the show stands as recorded",
         {{StepKind::Start, 1u, 220u, 60u, 0u},
          {StepKind::Show, 0u, 1u, 0u, 0u},
          {StepKind::RestoreBesideGroup, 0u, 41u, 25u, 0u}}},
        // A group of three restored before the show, one tab floated out of it and the others
        // hidden, one of them shown again, and a pane the host made after it joining it as its
        // tab: the show laid the group out by that pane, which held no size, and the group's
        // line came out 130 px high where its records said 120 (seed 50412).
        {"a tab that joined a group holding a size holds it",
         {{StepKind::Start, 1871986218u, 1923579593u, 1808049695u, 3262476557u},
          {StepKind::FloatOutOfTabs, 1059851485u, 2525985389u, 1357002917u, 539406104u},
          {StepKind::ShowAgain, 4261037833u, 1593111813u, 2909036446u, 1944219026u},
          {StepKind::DockBottom, 383688428u, 1748574763u, 1841950643u, 4090983025u},
          {StepKind::Show, 3567582759u, 2491820966u, 3484559632u, 1892742138u}}},
    };
    const std::string broken = playEach(sequences, m_sequenceScreen);
    EXPECT_TRUE(broken.empty()) << broken;
}

// Sequences found losing a dock out of reach, shortened: every promise holds after every step.
TEST_F(LayoutSequences, SequencesThatOnceLostADockHold)
{
    const NamedSequences sequences = {
        // Memory docks at the bottom and on the right before the show, a dock floated and
        // docked back, two memory docks closed, one more bottom dock: the bottom group and the
        // new dock went off the screen.
        {"docks closed out of a group leave it in reach",
         {{StepKind::Start, 1u, 100u, 50u, 0u},
          {StepKind::FindToolbar, 0u, 0u, 0u, 0u},
          {StepKind::ScriptToolbar, 0u, 0u, 0u, 0u},
          {StepKind::MemoryView, 1u, 0u, 0u, 0u},
          {StepKind::MemoryView, 0u, 0u, 0u, 0u},
          {StepKind::MemoryView, 1u, 0u, 0u, 0u},
          {StepKind::DockBottom, 1u, 0u, 0u, 0u},
          {StepKind::Show, 0u, 0u, 0u, 0u},
          {StepKind::DockBottom, 1u, 0u, 0u, 0u},
          {StepKind::MemoryView, 1u, 1u, 1u, 0u},
          {StepKind::Undock, 0u, 0u, 0u, 0u},
          {StepKind::Dock, 0u, 1u, 0u, 0u},
          {StepKind::CloseMemory, 1u, 0u, 0u, 0u},
          {StepKind::CloseMemory, 1u, 0u, 0u, 0u},
          {StepKind::DockBottom, 0u, 0u, 0u, 0u}}},
        // A pane split beside the last tab of a group the toolkit still held as its own became
        // one more tab of it that the layout took for a window standing: the next pane split
        // beside it was a tab behind the group's tab shown (seed 21485).
        {"a pane the toolkit made a tab is known as one",
         {{StepKind::Start, 2313166132u, 2902927109u, 3580743342u, 3043059212u},
          {StepKind::RestoreTab, 2359659755u, 3662597125u, 1665051287u, 1321508796u},
          {StepKind::MemoryView, 1676205962u, 1394280825u, 601168533u, 3306208735u},
          {StepKind::ScriptToolbar, 3221485258u, 1620056862u, 1441634030u, 4104313036u},
          {StepKind::DockRight, 3878584867u, 739890173u, 720837598u, 2238593792u},
          {StepKind::MemoryView, 1298618129u, 3997642704u, 573585718u, 1950788216u},
          {StepKind::MemoryView, 2340181732u, 3020477547u, 1617804530u, 323350068u},
          {StepKind::Show, 992196623u, 1494468930u, 4285222590u, 1664551165u},
          {StepKind::RestoreTab, 796125313u, 643239772u, 2485233369u, 412592115u},
          {StepKind::DockBottom, 1434397173u, 1003967768u, 2575850223u, 2160939219u},
          {StepKind::Restore, 1062610319u, 1037922279u, 837201184u, 3584006835u},
          {StepKind::MemoryView, 2158439221u, 3228391862u, 1459733156u, 1344190218u},
          {StepKind::DockRight, 3834851992u, 1268738928u, 1854817723u, 1256411573u},
          {StepKind::ToolbarMove, 1454519731u, 652621827u, 2468108752u, 414551098u},
          {StepKind::ToolbarMove, 3503512358u, 521437773u, 2643882034u, 1688115015u},
          {StepKind::Close, 2597832598u, 2119769398u, 4164262604u, 815265407u},
          {StepKind::HideTabs, 3460020751u, 179104184u, 253209052u, 3208651965u},
          {StepKind::DockBottom, 4212645490u, 4214583622u, 2565466564u, 2982232894u}}},
        // A group of seven floated in one go from the corner of a small screen where floating
        // docks stood already: the steps along the diagonal ran out, and the last two landed
        // one on the other (seed 25206).
        {"docks of a group floated in one go land apart",
         {{StepKind::Start, 3677514277u, 659318637u, 1427844963u, 1144226506u},
          {StepKind::Restore, 3501882208u, 179525512u, 4180151661u, 2160941840u},
          {StepKind::DockRight, 1280081168u, 2629690687u, 3522807101u, 4149547740u},
          {StepKind::MemoryView, 2090183404u, 7388860u, 1893444318u, 2469360416u},
          {StepKind::DockBottom, 1017495394u, 520772889u, 2149390610u, 3228782046u},
          {StepKind::FindToolbar, 956444995u, 3858274475u, 2311810116u, 4025063988u},
          {StepKind::DockBottom, 3556773534u, 1857118462u, 2804770461u, 4176630036u},
          {StepKind::DockBottom, 1537039837u, 2245676874u, 1918494494u, 2808330210u},
          {StepKind::Show, 2479853141u, 387024654u, 266359973u, 1194784067u},
          {StepKind::Restore, 242213262u, 2820518827u, 1626362820u, 381263326u},
          {StepKind::MemoryView, 2740768165u, 332762352u, 274941177u, 3047030091u},
          {StepKind::Restore, 2167374252u, 2903359497u, 2532247755u, 4053242090u},
          {StepKind::DockBottom, 207146921u, 1171956540u, 1770192241u, 2380780837u},
          {StepKind::Restore, 3966303346u, 3766635223u, 1496512674u, 2362210809u},
          {StepKind::MemoryView, 2360887412u, 1518034273u, 3302470164u, 1436314372u},
          {StepKind::RestoreTab, 2401133638u, 1619479011u, 283040660u, 536626174u},
          {StepKind::RestoreTab, 3980612224u, 764656594u, 3786458796u, 2945321140u},
          {StepKind::DockBottom, 296023954u, 488891551u, 200984341u, 1864545096u},
          {StepKind::UndockTabs, 1802457302u, 4012911570u, 292677181u, 1769926545u}}},
        // A memory dock closed, one made later under the same caption took the place the
        // toolkit kept for the closed one, not its own: the group it left still held it, and
        // the pane placed after that group, hidden whole, was a tab of it (seed 28385).
        {"a caption used again takes no place kept for a closed dock",
         {{StepKind::Start, 2016344869u, 1104298343u, 1224998726u, 2988477035u},
          {StepKind::MemoryView, 1140915754u, 2438989013u, 31729736u, 855006934u},
          {StepKind::DockBottom, 803144333u, 935345099u, 2373903438u, 3846844559u},
          {StepKind::CloseMemory, 179980625u, 226809781u, 4197023355u, 161255975u},
          {StepKind::DockBottom, 2036523907u, 2120685644u, 715507644u, 2916392163u},
          {StepKind::Show, 3919575869u, 3238675458u, 2453509626u, 1547799158u},
          {StepKind::MemoryView, 2021706796u, 1209110329u, 2950591938u, 3947261320u},
          {StepKind::DockBottom, 3738858588u, 40278860u, 1352794665u, 4229498545u},
          {StepKind::Restore, 2451203016u, 3032172235u, 3403899440u, 2493302389u},
          {StepKind::CloseMemory, 1596033024u, 2764359670u, 3752447724u, 3026260798u},
          {StepKind::MemoryView, 3743310869u, 1929290989u, 985652854u, 1817303308u},
          {StepKind::HideTabs, 2675894465u, 2263434096u, 1264513871u, 3830697131u}}},
        // A group hidden whole lost a window; a tab of it shown again had no room in it and
        // stood nowhere (seed 28274).
        {"a tab of a group hidden whole shows again in the group's place",
         {{StepKind::Start, 1757126177u, 2515386864u, 2284485356u, 3167798303u},
          {StepKind::Show, 161362178u, 3676038167u, 274379919u, 882301869u},
          {StepKind::DockRight, 2277686927u, 544670143u, 1779479949u, 3275166539u},
          {StepKind::DockBottom, 2901366856u, 2620967755u, 779795993u, 3746465354u},
          {StepKind::MemoryView, 839452243u, 1523739042u, 1218376035u, 2166291218u},
          {StepKind::DockBottom, 666035745u, 3078027091u, 4166850269u, 2058777326u},
          {StepKind::DockRight, 1344280868u, 2215894599u, 3454782753u, 3983503365u},
          {StepKind::FindToolbar, 2541181878u, 211275964u, 3734940334u, 3205684654u},
          {StepKind::CloseMemory, 1646091867u, 773659489u, 396440131u, 4265533540u},
          {StepKind::DockBottom, 2420574235u, 988424240u, 1532230160u, 4055191134u},
          {StepKind::HideTabs, 2442156671u, 2943199968u, 3369982581u, 1633372556u},
          {StepKind::Drag, 2563828496u, 822797815u, 105128432u, 473243459u},
          {StepKind::ShowAgain, 3307224851u, 4198178966u, 1781659701u, 3708568737u}}},
        // A group floated whole, its windows docked back one by one: the toolkit put the second
        // back into the group of the first, which the layout knew no more (seed 21500).
        {"windows of a group floated whole dock back into one group",
         {{StepKind::Start, 3815491392u, 3063002057u, 1211235415u, 2183945395u},
          {StepKind::Restore, 623402358u, 1737083542u, 1173501445u, 2119863746u},
          {StepKind::Undock, 3829757637u, 1553947839u, 1751011570u, 361735405u},
          {StepKind::DockBottom, 3669213445u, 3596091947u, 1103385294u, 405282223u},
          {StepKind::MemoryView, 1930026712u, 2793876677u, 2628517321u, 1555790551u},
          {StepKind::Undock, 3134044486u, 3722596312u, 3714749198u, 2225135932u},
          {StepKind::MemoryView, 3331790462u, 3233245192u, 4131570538u, 237300673u},
          {StepKind::DockRight, 1716123681u, 2384142792u, 845030171u, 2527756990u},
          {StepKind::ShrinkScreen, 4073420443u, 1074893913u, 3169825440u, 1783912901u},
          {StepKind::MemoryView, 4151904164u, 2819437729u, 3640885470u, 926394582u},
          {StepKind::HideTabs, 3052659792u, 705019604u, 2648486980u, 1049500755u},
          {StepKind::Show, 1647356319u, 678393529u, 666928205u, 4286332986u},
          {StepKind::UndockTabs, 1997088514u, 3038722488u, 920160860u, 1290309993u},
          {StepKind::Dock, 1006770231u, 730171078u, 819339402u, 65304700u},
          {StepKind::Dock, 3149178758u, 3429775010u, 2255075611u, 178433649u}}},
        // A group whose window standing the host hid lost its other window by option 668; the
        // hidden window floated and docked back, the toolkit put it into the group it kept,
        // which no tab row told of: a pane split beside it went in as a tab out of sight.
        {"a hidden window docked back into the group it kept is known to keep it",
         {{StepKind::Start, 2203141278u, 4281565919u, 2678795646u, 2428911626u},
          {StepKind::Show, 2737765322u, 3913653241u, 2501041133u, 985627641u},
          {StepKind::Restore, 3086934521u, 69498692u, 1507745061u, 1953641607u},
          {StepKind::RestoreTab, 2335060080u, 4179801242u, 308003407u, 287641847u},
          {StepKind::Hide, 444455492u, 890253626u, 2474486050u, 2171223693u},
          {StepKind::CloseInGroup, 2773702817u, 2600608633u, 2802315791u, 3018894130u},
          {StepKind::Undock, 2794842712u, 4180302132u, 868229090u, 3050515409u},
          {StepKind::Dock, 3280874929u, 460475173u, 490654167u, 2652479960u},
          {StepKind::DockRight, 2915744478u, 1982000747u, 2152764107u, 1254004063u}}},
    };
    const std::string broken = playEach(sequences, m_sequenceScreen);
    EXPECT_TRUE(broken.empty()) << broken;
}

namespace {

void noPane(TeskHandle, int *, int) {}

} // namespace

// The checker is the test's eyes: a dock pushed outside the window behind no tab, and a frame
// beyond the free area, are seen; a dock the host closed is not looked for.
TEST_F(LayoutSequences, TheCheckerSeesADockOutOfReachAndAFrameOffTheScreen)
{
    setScreen(QRect(0, 0, 1024, 600), QRect(0, 28, 1024, 572));
    MainWindow *window = createFrame("Debugger", 1);
    QtResizePosWindow(1, 0, 0, 900, 500);
    QtFrameShow();
    QtCreateDocked(0, 0);
    QtWindowCreate("Watch", &noPane, 100);
    QtCreateDocked(1, 0);
    QtWindowCreate("Trace", &noPane, 101);
    testhost::settle();
    Asked asked;
    asked.shown = true;
    asked.docks[100].name = QStringLiteral("Watch");
    asked.docks[101].name = QStringLiteral("Trace");
    const PromiseSwitches all = PromiseSwitches::all();
    const auto broken = [&] { return check(window, asked, all); };
    ASSERT_FALSE(broken()) << broken()->text.toStdString();

    window->findDockWidgetByBox(100)->move(-600, -602);
    ASSERT_TRUE(broken());
    EXPECT_EQ(broken()->promise, Promise::DockedReachable);
    window->findDockWidgetByBox(100)->end();
    testhost::settle();
    asked.docks[100].closedByHost = true;
    EXPECT_FALSE(broken());

    asked.docks[101].keptArea = areaOf(window, 101);
    asked.docks[101].keptAcross = acrossExtent(window, 101) + 40;
    ASSERT_TRUE(broken());
    EXPECT_EQ(broken()->promise, Promise::SizesKept);
    asked.docks[101].keptArea = -1;

    window->setMinimumHeight(700);
    ASSERT_TRUE(broken());
    EXPECT_EQ(broken()->promise, Promise::FrameWithinFreeArea);
}

// A group of tabs claims the size of its tab shown, and a line may stand as wide as a tab row
// in it needs, whatever size was kept there.
TEST_F(LayoutSequences, TheCheckerSizesAGroupOfTabsByItsTabShownAndALineByItsTabRow)
{
    setScreen(QRect(0, 0, 1280, 800), QRect(0, 28, 1280, 772));
    MainWindow *window = createFrame("Debugger", 1);
    QtResizePosWindow(1, 0, 0, 1000, 700);
    QtFrameShow();
    for (TeskHandle box = 100; box < 103; ++box) {
        QtCreateDocked(0, 0);
        QtWindowCreate(("Pane " + std::to_string(box)).c_str(), &noPane, box);
    }
    testhost::settle();
    DockWidget *alone = window->findDockWidgetByBox(100);
    DockWidget *tab = window->findDockWidgetByBox(102);
    window->tabifyDockWidget(window->findDockWidgetByBox(101), tab);
    tab->raise();
    window->resizeDocks({alone}, {40}, Qt::Horizontal);
    testhost::settle();
    EXPECT_EQ(acrossExtent(window, 101), 0);
    ASSERT_EQ(acrossExtent(window, 102), tab->width());
    Asked asked;
    asked.shown = true;
    for (TeskHandle box = 100; box < 103; ++box)
        asked.docks[box].name = QStringLiteral("Pane %1").arg(box);
    asked.docks[100].keptArea = areaOf(window, 100);
    asked.docks[100].keptAcross = asked.docks[100].setAcross = 60;
    ASSERT_GT(alone->width(), 60 + 2);
    // The group was made behind the layout's back, which its picture does not hold.
    PromiseSwitches switches = PromiseSwitches::all();
    switches.set(Promise::GroupsAsShown, false);
    const auto broken = check(window, asked, switches);
    EXPECT_FALSE(broken) << broken->text.toStdString();
}

// A floating dock hidden while the screen became smaller comes back on it when shown.
TEST_F(LayoutSequences, AHiddenFloatingDockShownAfterTheScreenShrankComesBackOnIt)
{
    setScreen(QRect(0, 0, 1280, 800), QRect(0, 28, 1280, 772));
    MainWindow *window = createFrame("Debugger", 1);
    QtResizePosWindow(1, 0, 0, 1000, 700);
    QtFrameShow();
    CuiSetDockWindowPersistanceData(1, "Watch:4:0:-1:150:400:1100:300:1:1");
    QtWindowCreate("Watch", &noPane, 100);
    testhost::settle();
    DockWidget *watch = window->findDockWidgetByBox(100);
    ASSERT_TRUE(watch->isFloating());
    CuiPaneHide(100);
    testhost::settle();
    const QRect smaller(0, 28, 1024, 572);
    setScreen(QRect(0, 0, 1024, 600), smaller);
    testhost::settle();
    QtFindGotoWindowToShowData(1, "Watch");
    testhost::settle();
    ASSERT_TRUE(watch->isVisible());
    EXPECT_TRUE(smaller.contains(watch->frameGeometry()))
        << watch->frameGeometry().x() << "," << watch->frameGeometry().y();
}

// Records compared as the layout they describe: what the toolkit places stays out, a pixel or
// two of rounding is the same layout.
TEST(LayoutPictures, DifferOnlyWhereTheLayoutDiffers)
{
    const QRect kFree(0, 28, 1280, 772);
    Picture stored;
    stored.docks = {"Watch:2:0:0:700:30:300:400:1:1", "Log:4:0:-1:100:120:300:200:1:0"};
    stored.toolbarTitles = {"Edit"};
    stored.toolbars = {"0:0:0:0:0:0:300:30:"};
    Picture restored = stored;
    restored.docks[0] = "Watch:2:0:0:-1140:-602:301:398:1:1";
    EXPECT_EQ(differenceBetween(stored, restored, kFree), QString());
    restored.docks[0] = "Watch:2:0:0:700:30:260:400:1:1";
    EXPECT_NE(differenceBetween(stored, restored, kFree), QString());
    restored = stored;
    restored.docks[1] = "Log:4:0:-1:60:120:300:200:1:0";
    EXPECT_NE(differenceBetween(stored, restored, kFree), QString());
    // Stored partly beyond the free area, it comes back within it.
    Picture beyond = stored;
    beyond.docks[1] = "Log:4:0:-1:1100:120:300:200:1:0";
    EXPECT_EQ(differenceBetween(beyond, restored, kFree), QString());
    restored = stored;
    restored.docks.removeLast();
    EXPECT_NE(differenceBetween(stored, restored, kFree), QString());
    restored = stored;
    restored.toolbars[0] = "0:0:0:0:0:1:300:30:";
    EXPECT_NE(differenceBetween(stored, restored, kFree), QString());
}

namespace {

// Plays host steps on one main window, every promise checked after each.
class Host
{
public:
    explicit Host(MainWindow *window)
        : m_window(window)
    {
    }

    // Made on a line of its own with newLine, else at the end of the area; or from a record.
    void dock(int area, const char *name, TeskHandle box, const char *record = nullptr,
              bool newLine = false)
    {
        if (record)
            CuiSetDockWindowPersistanceData(1, record);
        else
            QtCreateDocked(area, newLine ? 1 : 0);
        QtWindowCreate(name, &noPane, box);
        m_asked.docks[box].name = QString::fromLatin1(name);
    }
    void show()
    {
        QtFrameShow();
        m_asked.shown = true;
    }
    void hide(TeskHandle box)
    {
        CuiPaneHide(box);
        m_asked.docks[box].hiddenByHost = m_asked.docks[box].everHidden = true;
    }
    void floatOut(TeskHandle box)
    {
        CuiPopupProcessGenericOption(box, DockWidget::OptionDockFloat);
        m_asked.docks[box].floatedOut = true;
    }
    void close(TeskHandle box)
    {
        CuiPaneClose(box);
        m_asked.docks[box].closedByHost = true;
    }
    // The first promise broken, with what came before.
    std::string broken(const std::string &after,
                       const PromiseSwitches &switches = PromiseSwitches::holding()) const
    {
        testhost::settle();
        const auto broken = check(m_window, m_asked, switches);
        return broken ? after + ": " + broken->text.toStdString() : std::string();
    }

private:
    MainWindow *m_window;
    Asked m_asked;
};

} // namespace

// Groups of tabs stay reachable: one that came back from records whose front dock or a tab
// floated, before one more dock comes; a line the fit filled whose group the host hid whole,
// or hid but for a tab, when one more dock comes.
TEST_F(LayoutSequences, GroupsOfTabsStayReachableWhenDocksFloatHideAndCome)
{
    const char *const records[] = {"D1:3:0:0:0:168:818:102:1:1", "D2:3:1:1:0:276:818:102:1:1",
                                   "D8:3:1:2:0:384:818:102:1:1", "D9:3:0:3:0:384:818:102:1:1",
                                   "D10:3:0:4:0:384:818:102:1:1"};
    for (TeskHandle floated : {102, 103, 104}) {
        SCOPED_TRACE(floated);
        setScreen(QRect(0, 0, 1024, 600), QRect(0, 0, 1024, 600));
        Host host(createFrame("Debugger", 1));
        QtResizePosWindow(1, 0, 0, 818, 400);
        TeskHandle box = 100;
        for (const char *record : records)
            host.dock(3, QByteArray(record).split(':').first().constData(), box++, record);
        host.show();
        EXPECT_EQ(host.broken("shown"), "");
        host.floatOut(floated);
        EXPECT_EQ(host.broken("floated"), "");
        host.dock(1, "New", 110);
        EXPECT_EQ(host.broken("one more"), "");
        testhost::endMainWindows();
    }
    // Twelve along the bottom of a small screen: the last ones stand as tabs the fit made.
    for (const bool tabShown : {false, true}) {
        SCOPED_TRACE(tabShown);
        setScreen(QRect(0, 0, 1024, 600), QRect(0, 0, 1024, 572));
        MainWindow *window = createFrame("Debugger", 1);
        Host host(window);
        QtResizePosWindow(1, 0, 0, 1024, 560);
        host.show();
        for (TeskHandle box = 100; box < 112; ++box)
            host.dock(1, ("Pane " + std::to_string(box)).c_str(), box);
        EXPECT_EQ(host.broken("twelve"), "");
        DockWidget *last = window->findDockWidgetByBox(111);
        ASSERT_TRUE(window->dockLayout().tabbed(last));
        QDockWidget *standing = window->dockLayout().standingOf(last);
        QList<QDockWidget *> group = window->tabifiedDockWidgets(standing);
        if (!tabShown)
            group.append(standing);
        else
            group = {standing};
        for (QDockWidget *member : group)
            host.hide(static_cast<DockWidget *>(member)->windowBox());
        EXPECT_EQ(host.broken(tabShown ? "a group hidden but for a tab" : "a group hidden whole"),
                  "");
        host.dock(1, "New", 120);
        EXPECT_EQ(host.broken("one more"), "");
        testhost::endMainWindows();
    }
    // A group whose window standing the host hid, its tab shown, is a line shown: it holds the
    // height the host gave it, and a line more shares the area with it, taking no more than
    // beside the group shown whole.
    int below[2] = {};
    for (const bool hidden : {false, true}) {
        SCOPED_TRACE(hidden);
        setScreen(QRect(0, 0, 1280, 800), QRect(0, 0, 1280, 772));
        MainWindow *window = createFrame("Debugger", 1);
        Host host(window);
        QtResizePosWindow(1, 0, 0, 1200, 740);
        host.dock(3, "Standing", 130, "Standing:3:0:0:0:500:1200:150:1:1");
        host.dock(3, "Tab", 131, "Tab:3:0:1:0:500:1200:150:1:1");
        host.show();
        ASSERT_TRUE(window->dockLayout().tabbed(window->findDockWidgetByBox(131)));
        QtResizePosWindow(131, 0, 0, 600, 220);
        if (hidden)
            host.hide(130);
        EXPECT_EQ(host.broken("the group sized"), "");
        host.dock(1, "Below", 132, nullptr, true);
        EXPECT_EQ(host.broken("a line more"), "");
        EXPECT_NEAR(window->findDockWidgetByBox(131)->height(), 220, 2);
        below[hidden] = window->findDockWidgetByBox(132)->height();
        testhost::endMainWindows();
    }
    // Beside the group shown whole it shares the group's tab row too.
    EXPECT_LE(below[1], below[0] + 2);
    // A line the fit filled whose window standing floated, the rest of its group then hidden,
    // before one more dock comes: the toolkit keeps the floated window's place in a group it
    // no longer names, and the dock went in as a tab of it, out of sight.
    const std::vector<Step> floatedThenHidden = {
        {StepKind::Start, 64963546u, 2158911553u, 4187065171u, 1578702272u},
        {StepKind::Show, 297717291u, 1352702156u, 1581580265u, 285278221u},
        {StepKind::DockBottom, 2721153296u, 2841782921u, 3159804221u, 1869065569u},
        {StepKind::ShrinkScreen, 1927997974u, 1599698501u, 1191295636u, 3601069941u},
        {StepKind::HideTabs, 2067308825u, 2008416185u, 1207854990u, 2074957966u},
        {StepKind::Restore, 2547925942u, 2215717946u, 2686529076u, 466111349u},
        {StepKind::DockBottom, 1051392713u, 358271315u, 4050150157u, 2728699660u},
        {StepKind::FindToolbar, 3893585843u, 2216248856u, 3059650574u, 317654469u},
        {StepKind::DockBottom, 2839434859u, 3889907033u, 1109053457u, 1069401514u},
        {StepKind::DockBottom, 3006150230u, 2767715382u, 2328740038u, 2878423527u},
        {StepKind::ScriptToolbar, 1346541871u, 473084752u, 3853810067u, 1212104060u},
        {StepKind::FloatButton, 325323051u, 1269616308u, 4004854971u, 550627905u},
        {StepKind::HideTabs, 2904957077u, 3214847648u, 2660747108u, 3314159801u}};
    const std::optional<Failure> failure =
        play(floatedThenHidden, m_sequenceScreen, PromiseSwitches::holding());
    EXPECT_FALSE(failure) << "after step " << failure->step << ", "
                          << failure->broken.text.toStdString();
}

// The toolkit keeps the place of a window gone from a group of tabs: a dock set beside such a
// group went in as one more tab of a group that shows none. A window docked back into a group
// whose other window closed stands in it alone; so does one left alone on a later line, also
// once a dock joined it as its tab; a group on a later line whose window standing closed keeps
// its place among its tabs; so does a group hidden whole after a window floated out of it,
// also once the host read its records (the picture then follows the toolkit's groups).
TEST_F(LayoutSequences, ADockComingAfterAGroupThatLostAWindowStaysReachable)
{
    for (const bool recordsRead : {false, true})
        for (const TeskHandle floated : {142, 145}) {
            SCOPED_TRACE(testing::Message() << recordsRead << " " << floated);
            setScreen(QRect(0, 0, 1280, 800), QRect(0, 0, 1280, 772));
            Host host(createFrame("Debugger", 1));
            QtResizePosWindow(1, 0, 0, 1200, 740);
            host.dock(3, "One", 140, "One:3:0:0:0:400:1200:120:1:1");
            host.dock(3, "Two", 141, "Two:3:1:1:0:530:1200:120:1:1");
            host.dock(3, "Three", 142, "Three:3:0:2:0:530:1200:120:1:1");
            host.dock(3, "Four", 145, "Four:3:0:3:0:530:1200:120:1:1");
            host.show();
            host.floatOut(floated);
            host.hide(141);
            host.hide(floated == 142 ? 145 : 142);
            if (recordsRead)
                (void)takePicture(1);
            host.dock(1, "New", 143);
            host.dock(1, "Newer", 144);
            EXPECT_EQ(host.broken("two more"), "");
            testhost::endMainWindows();
        }
    for (const int road : {0, 1, 2}) {
        SCOPED_TRACE(road);
        setScreen(QRect(0, 0, 1280, 800), QRect(0, 0, 1280, 772));
        Host host(createFrame("Debugger", 1));
        QtResizePosWindow(1, 0, 0, 1200, 740);
        if (road > 0)
            host.dock(3, "One", 140, "One:3:0:0:0:400:1200:120:1:1");
        host.dock(3, "Two", 141, "Two:3:1:1:0:530:1200:120:1:1");
        host.dock(3, "Three", 142, "Three:3:0:2:0:530:1200:120:1:1");
        if (road == 2)
            host.dock(3, "Four", 145, "Four:3:0:3:0:530:1200:120:1:1");
        host.show();
        if (road < 2)
            host.floatOut(141);
        host.close(road == 0 ? 142 : 141);
        if (road == 0)
            CuiPaneDock(141);
        host.dock(1, "New", 143);
        host.dock(1, "Newer", 144);
        EXPECT_EQ(host.broken("two more"), "");
        testhost::endMainWindows();
    }
}

// A window floated out of a group standing before another group of its line, the group's
// other window then closed or floated too: the toolkit kept the window's place where the group
// stood, and docked back it stands there, first in the line, in the picture too, which held it
// after the group next to it (the next pane and the fit's tabs go by the picture's order).
TEST_F(LayoutSequences, AWindowDockedBackWhereItsGroupWentStandsFirstInTheLine)
{
    PromiseSwitches inOrder = PromiseSwitches::holding();
    inOrder.set(Promise::PictureInOrder, true);
    // The tab floated, the window standing closed or floated; the window standing floated, the
    // tab closed.
    const std::pair<TeskHandle, bool> roads[] = {{151, true}, {151, false}, {150, true}};
    for (const auto &[back, closed] : roads) {
        SCOPED_TRACE(testing::Message() << back << " " << closed);
        const TeskHandle gone = back == 150 ? 151 : 150;
        setScreen(QRect(0, 0, 1280, 800), QRect(0, 0, 1280, 772));
        MainWindow *window = createFrame("Debugger", 1);
        Host host(window);
        QtResizePosWindow(1, 0, 0, 1200, 740);
        host.dock(3, "Standing", 150, "Standing:3:0:0:0:500:500:150:1:1");
        host.dock(3, "Tab", 151, "Tab:3:0:1:0:500:500:150:1:1");
        host.dock(3, "Next", 152, "Next:3:0:2:506:500:694:150:1:1");
        host.show();
        ASSERT_TRUE(window->dockLayout().tabbed(window->findDockWidgetByBox(151)));
        host.floatOut(back);
        if (closed)
            host.close(gone);
        else
            host.floatOut(gone);
        EXPECT_EQ(host.broken("the group gone", inOrder), "");
        CuiPaneDock(back);
        EXPECT_EQ(host.broken("docked back", inOrder), "");
        EXPECT_EQ(window->dockLayout().indexOf(window->findDockWidgetByBox(back)), 0);
        host.dock(1, "New", 153);
        EXPECT_EQ(host.broken("one more", inOrder), "");
        EXPECT_GT(window->findDockWidgetByBox(153)->x(), window->findDockWidgetByBox(152)->x());
        testhost::endMainWindows();
    }
}

// A pane floated out of a line, and one more placed beside the pane left there: the toolkit
// keeps the floated pane's place after the one placed, and docks it back there, at the line's
// end; the picture put it back before that one, where it had stood (seed 36).
TEST_F(LayoutSequences, APaneDockedBackAfterOneSplitInStandsInThePictureAsShown)
{
    PromiseSwitches inOrder = PromiseSwitches::holding();
    inOrder.set(Promise::PictureInOrder, true);
    for (const int area : {0, 1}) {
        SCOPED_TRACE(area);
        setScreen(QRect(0, 0, 1280, 800), QRect(0, 0, 1280, 772));
        MainWindow *window = createFrame("Debugger", 1);
        Host host(window);
        QtResizePosWindow(1, 0, 0, 1200, 740);
        host.show();
        host.dock(area, "First", 160);
        host.dock(area, "Floated", 161);
        host.floatOut(161);
        host.dock(area, "Placed", 162);
        EXPECT_EQ(host.broken("one placed", inOrder), "");
        CuiPaneDock(161);
        EXPECT_EQ(host.broken("docked back", inOrder), "");
        EXPECT_EQ(window->dockLayout().indexOf(window->findDockWidgetByBox(161)), 2);
        testhost::endMainWindows();
    }
}
