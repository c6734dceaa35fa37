#include "core/games.h"

#include "core/dates.h"

#include <QLocale>
#include <algorithm>

namespace ds {

namespace {

using namespace day;

// ---- The games -------------------------------------------------------------

constexpr GameInfo Games[] = {
    {.game = Game::UK, .format = ResultsFormat::Draws, .code = "UK", .name = "UK Lotto",
     .extraName = "bonus ball", .remembered = "U", .entryPrefix = "UK", .resultsName = "UK results file",
     .statsTitle = "UK Statistics", .chartsTitle = "UK Charts", .picture = 1, .bestSixWins = true,
     .wheel3 = true, .tickets = true, .downloadKey = "UK",
     .downloadAddress = "https://www.national-lottery.co.uk/results/lotto/draw-history/csv", .downloadIsFile = true,
     .downloadMessage = "Your browser will now open the National Lottery's UK Lotto draw history download. Save the "
                        "file where you can find it, then bring the draws into Drawsmith with \"Import Results...\" "
                        "on the File Manager menu."},
    {.game = Game::Irish, .format = ResultsFormat::Draws, .code = "IR", .name = "Irish Lotto",
     .extraName = "bonus ball", .remembered = "I", .entryPrefix = "IR", .resultsName = "Ireland results file",
     .statsTitle = "Irish Statistics", .chartsTitle = "Irish Charts", .picture = 2, .bestSixWins = false,
     .wheel3 = false, .tickets = false, .downloadKey = "IR",
     .downloadAddress = "https://www.lottery.ie/results/lotto/history", .downloadIsFile = false,
     .downloadMessage = "Your browser will now open the Irish Lottery's Lotto results page. Save the results in a "
                        "comma-separated file whose first line reads date,draw,n1,n2,n3,n4,n5,n6,bonus, then bring "
                        "the draws into Drawsmith with \"Import Results...\" on the File Manager menu."},
    {.game = Game::Thunderball, .format = ResultsFormat::Thunder, .code = "", .name = "Thunderball",
     .extraName = "Thunderball", .remembered = "U", .entryPrefix = "TH", .resultsName = "Thunderball results file",
     .statsTitle = "Thunderball Statistics", .chartsTitle = "", .picture = 0, .bestSixWins = false,
     .wheel3 = false, .tickets = true, .downloadKey = "TB",
     .downloadAddress = "https://www.national-lottery.co.uk/results/thunderball/draw-history/csv",
     .downloadIsFile = true,
     .downloadMessage = "Your browser will now open the National Lottery's Thunderball draw history download. Save "
                        "the file where you can find it, then bring the results into Drawsmith with \"Import "
                        "Results...\" in the Thunderball window."},
};

// ---- Tier lists --------------------------------------------------------------
// Lotto total boxes of the check against previous draws: 1 three, 2 four,
// 3 five, 4 jackpot, 5 five and the bonus, 6 four and the bonus, 7 three and
// the bonus, 10 two, 11 two and the bonus (8 and 9 are that window's dates).

constexpr Tier Uk649Tiers[] = {
    {6, Extra::Either, "(6 Match)", {}, 4},
    {5, Extra::Required, "(5 + Bonus)", {}, 5},
    {5, Extra::Excluded, "(5 Match)", {}, 3},
    {4, Extra::Either, "(4 Match)", {}, 2},
    {3, Extra::Either, "(3 Match)", {}, 1},
};

constexpr Tier Irish642Tiers[] = {
    {6, Extra::Either, "(6 Match)", {}, 4},
    {5, Extra::Required, "(5 + Bonus)", {}, 5},
    {5, Extra::Excluded, "(5 Match)", {}, 3},
    {4, Extra::Required, "(4 + Bonus)", {}, 6},
    {4, Extra::Excluded, "(4 Match)", {}, 2},
    {3, Extra::Required, "(3 + Bonus)", {}, 7},
};

constexpr Prize cash(qint32 amount)
{
    return {PrizeKind::Cash, amount, nullptr};
}

constexpr Tier Thunder534Tiers[] = {
    {5, Extra::Required, "5 + TB \u00a3250000", cash(250000), 0},
    {5, Extra::Excluded, "5        \u00a35000", cash(5000), 0},
    {4, Extra::Required, "4 + TB    \u00a3250", cash(250), 0},
    {4, Extra::Excluded, "4         \u00a3100", cash(100), 0},
    {3, Extra::Required, "3 + TB     \u00a320", cash(20), 0},
    {3, Extra::Excluded, "3          \u00a310", cash(10), 0},
    {2, Extra::Required, "2 + TB     \u00a310", cash(10), 0},
    {1, Extra::Required, "1 + TB      \u00a35", cash(5), 0},
};

constexpr Prize named(const char *name)
{
    return {PrizeKind::Named, 0, name};
}
constexpr Prize Shared{PrizeKind::Shared, 0, nullptr};
constexpr Prize Jackpot{PrizeKind::Jackpot, 0, nullptr};

// The 6 from 59: the bonus counts only with five; two numbers win from the
// start. Fixed prizes for every tier but the jackpot from 21/11/2018; each
// round of a two-round date pays its own from 10/6/2026.
constexpr Tier Uk659Tiers2015[] = {
    {6, Extra::Either, "(6 Match)", Jackpot, 4},
    {5, Extra::Required, "(5 + Bonus)", Shared, 5},
    {5, Extra::Excluded, "(5 Match)", Shared, 3},
    {4, Extra::Either, "(4 Match)", Shared, 2},
    {3, Extra::Either, "(3 Match)", cash(25), 1},
    {2, Extra::Either, "(2 Match)", named("Lucky Dip"), 10},
};
constexpr Tier Uk659Tiers2018[] = {
    {6, Extra::Either, "(6 Match)", Jackpot, 4},
    {5, Extra::Required, "(5 + Bonus)", cash(1000000), 5},
    {5, Extra::Excluded, "(5 Match)", cash(1750), 3},
    {4, Extra::Either, "(4 Match)", cash(140), 2},
    {3, Extra::Either, "(3 Match)", cash(30), 1},
    {2, Extra::Either, "(2 Match)", named("Lucky Dip"), 10},
};
constexpr Tier Uk659Tiers2026[] = {
    {6, Extra::Either, "(6 Match)", Jackpot, 4},
    {5, Extra::Required, "(5 + Bonus)", cash(1000000), 5},
    {5, Extra::Excluded, "(5 Match)", cash(1000), 3},
    {4, Extra::Either, "(4 Match)", cash(50), 2},
    {3, Extra::Either, "(3 Match)", cash(10), 1},
    {2, Extra::Either, "(2 Match)", cash(1), 10},
};

// The Irish Lotto from 4/11/2006: the main draw and Lotto Plus 1, the second
// draw of every date, pay by tiers of their own. Three numbers win in the main
// draw (they do not in the 6 from 42), two and the bonus from 5/9/2015;
// Lotto Plus 1 pays fixed prizes, two and the bonus from 1/9/2018. "Prize" is
// a fixed prize whose amount is not known for certain: shown, never counted as
// cash.
constexpr Prize UnstatedPrize = named("Prize");
constexpr Prize FreePrize = named("Free prize");

constexpr Tier Irish645Main2006[] = {
    {6, Extra::Either, "(6 Match)", Jackpot, 4},
    {5, Extra::Required, "(5 + Bonus)", cash(25000), 5},
    {5, Extra::Excluded, "(5 Match)", Shared, 3},
    {4, Extra::Required, "(4 + Bonus)", Shared, 6},
    {4, Extra::Excluded, "(4 Match)", Shared, 2},
    {3, Extra::Required, "(3 + Bonus)", Shared, 7},
    {3, Extra::Excluded, "(3 Match)", cash(5), 1},
};
constexpr Tier Irish647Main[] = {
    {6, Extra::Either, "(6 Match)", Jackpot, 4},
    {5, Extra::Required, "(5 + Bonus)", Shared, 5},
    {5, Extra::Excluded, "(5 Match)", Shared, 3},
    {4, Extra::Required, "(4 + Bonus)", Shared, 6},
    {4, Extra::Excluded, "(4 Match)", Shared, 2},
    {3, Extra::Required, "(3 + Bonus)", Shared, 7},
    {3, Extra::Excluded, "(3 Match)", Shared, 1},
    {2, Extra::Required, "(2 + Bonus)", FreePrize, 11},
};
constexpr Tier Irish645Main2026[] = {
    {6, Extra::Either, "(6 Match)", Jackpot, 4},
    {5, Extra::Required, "(5 + Bonus)", Shared, 5},
    {5, Extra::Excluded, "(5 Match)", Shared, 3},
    {4, Extra::Required, "(4 + Bonus)", Shared, 6},
    {4, Extra::Excluded, "(4 Match)", Shared, 2},
    {3, Extra::Required, "(3 + Bonus)", Shared, 7},
    {3, Extra::Excluded, "(3 Match)", UnstatedPrize, 1},
    {2, Extra::Required, "(2 + Bonus)", UnstatedPrize, 11},
};
constexpr Tier IrishPlus2006[] = {
    {6, Extra::Either, "(6 Match)", UnstatedPrize, 4},
    {5, Extra::Required, "(5 + Bonus)", UnstatedPrize, 5},
    {5, Extra::Excluded, "(5 Match)", UnstatedPrize, 3},
    {4, Extra::Required, "(4 + Bonus)", UnstatedPrize, 6},
    {4, Extra::Excluded, "(4 Match)", UnstatedPrize, 2},
    {3, Extra::Required, "(3 + Bonus)", UnstatedPrize, 7},
    {3, Extra::Excluded, "(3 Match)", UnstatedPrize, 1},
};
constexpr Tier IrishPlus2015[] = {
    {6, Extra::Either, "(6 Match)", cash(500000), 4},
    {5, Extra::Required, "(5 + Bonus)", UnstatedPrize, 5},
    {5, Extra::Excluded, "(5 Match)", UnstatedPrize, 3},
    {4, Extra::Required, "(4 + Bonus)", UnstatedPrize, 6},
    {4, Extra::Excluded, "(4 Match)", UnstatedPrize, 2},
    {3, Extra::Required, "(3 + Bonus)", UnstatedPrize, 7},
    {3, Extra::Excluded, "(3 Match)", UnstatedPrize, 1},
};
constexpr Tier IrishPlus2018[] = {
    {6, Extra::Either, "(6 Match)", cash(1000000), 4},
    {5, Extra::Required, "(5 + Bonus)", UnstatedPrize, 5},
    {5, Extra::Excluded, "(5 Match)", cash(500), 3},
    {4, Extra::Required, "(4 + Bonus)", UnstatedPrize, 6},
    {4, Extra::Excluded, "(4 Match)", UnstatedPrize, 2},
    {3, Extra::Required, "(3 + Bonus)", UnstatedPrize, 7},
    {3, Extra::Excluded, "(3 Match)", cash(3), 1},
    {2, Extra::Required, "(2 + Bonus)", FreePrize, 11},
};
constexpr Tier IrishPlus2026[] = {
    {6, Extra::Either, "(6 Match)", UnstatedPrize, 4},
    {5, Extra::Required, "(5 + Bonus)", UnstatedPrize, 5},
    {5, Extra::Excluded, "(5 Match)", UnstatedPrize, 3},
    {4, Extra::Required, "(4 + Bonus)", UnstatedPrize, 6},
    {4, Extra::Excluded, "(4 Match)", UnstatedPrize, 2},
    {3, Extra::Required, "(3 + Bonus)", UnstatedPrize, 7},
    {3, Extra::Excluded, "(3 Match)", UnstatedPrize, 1},
    {2, Extra::Required, "(2 + Bonus)", UnstatedPrize, 11},
};

constexpr Tier Thunder539Tiers[] = {
    {5, Extra::Required, "5 + TB \u00a3500000", cash(500000), 0},
    {5, Extra::Excluded, "5        \u00a35000", cash(5000), 0},
    {4, Extra::Required, "4 + TB    \u00a3250", cash(250), 0},
    {4, Extra::Excluded, "4         \u00a3100", cash(100), 0},
    {3, Extra::Required, "3 + TB     \u00a320", cash(20), 0},
    {3, Extra::Excluded, "3          \u00a310", cash(10), 0},
    {2, Extra::Required, "2 + TB     \u00a310", cash(10), 0},
    {1, Extra::Required, "1 + TB      \u00a35", cash(5), 0},
    {0, Extra::Required, "0 + TB      \u00a33", cash(3), 0},
};

constexpr TierList Uk649TierLists[] = {{ymd(1994, 11, 19), 0, Currency::Pound, Uk649Tiers}};
constexpr TierList Uk659TierLists[] = {{ymd(2015, 10, 10), 0, Currency::Pound, Uk659Tiers2015},
                                       {ymd(2018, 11, 21), 0, Currency::Pound, Uk659Tiers2018},
                                       {ymd(2026, 6, 10), 0, Currency::Pound, Uk659Tiers2026}};
constexpr TierList Irish642TierLists[] = {{ymd(1994, 9, 24), 0, Currency::Euro, Irish642Tiers}};
constexpr TierList Irish645TierLists2006[] = {{ymd(2006, 11, 4), 1, Currency::Euro, Irish645Main2006},
                                              {ymd(2006, 11, 4), 2, Currency::Euro, IrishPlus2006}};
constexpr TierList Irish647TierLists[] = {{ymd(2015, 9, 5), 1, Currency::Euro, Irish647Main},
                                          {ymd(2015, 9, 5), 2, Currency::Euro, IrishPlus2015},
                                          {ymd(2018, 9, 1), 2, Currency::Euro, IrishPlus2018}};
constexpr TierList Irish645TierLists2026[] = {{ymd(2026, 9, 5), 1, Currency::Euro, Irish645Main2026},
                                              {ymd(2026, 9, 5), 2, Currency::Euro, IrishPlus2026}};
constexpr TierList Thunder534TierLists[] = {{ymd(1999, 6, 12), 0, Currency::Pound, Thunder534Tiers}};
constexpr TierList Thunder539TierLists[] = {{ymd(2010, 5, 12), 0, Currency::Pound, Thunder539Tiers}};

// ---- Draw days and draws per date --------------------------------------------

constexpr DrawDays Uk649Days[] = {{ymd(1994, 11, 19), Sat}, {ymd(1997, 2, 5), Wed | Sat}};
constexpr DrawDays Uk659Days[] = {{ymd(2015, 10, 10), Wed | Sat}};
constexpr DrawDays Irish642Days[] = {{ymd(1994, 9, 24), Wed | Sat}};
constexpr DrawDays Irish645Days2006[] = {{ymd(2006, 11, 4), Wed | Sat}};
constexpr DrawDays Irish647Days[] = {{ymd(2015, 9, 5), Wed | Sat}};
constexpr DrawDays Irish645Days2026[] = {{ymd(2026, 9, 5), Wed | Sat}, {ymd(2026, 9, 7), Mon | Wed | Sat}};
constexpr DrawDays Thunder534Days[] = {{ymd(1999, 6, 12), Sat}, {ymd(2002, 10, 23), Wed | Sat}};
constexpr DrawDays Thunder539Days[] = {
    {ymd(2010, 5, 12), Wed | Sat}, {ymd(2010, 5, 14), Wed | Fri | Sat}, {ymd(2018, 1, 30), Tue | Wed | Fri | Sat}};

constexpr DrawsPerDate OneDraw[] = {{ymd(1994, 9, 24), 1, nullptr, nullptr, nullptr, nullptr}};
constexpr DrawsPerDate Uk659Draws[] = {{ymd(2015, 10, 10), 1, nullptr, nullptr, nullptr, nullptr},
                                       {ymd(2026, 6, 10), 2, "Round 2", "Round 1 of 2", "Round 2 of 2",
                                        "UK Lotto Round 2 Numbers", "Round"}};
constexpr DrawsPerDate Irish642Draws[] = {{ymd(1994, 9, 24), 2, "Second Draw", "Draw 1 of 2", "Draw 2 of 2",
                                           "Irish Lottery Second Draw Numbers"}};
constexpr DrawsPerDate IrishPlusDraws[] = {{ymd(2006, 11, 4), 2, "Lotto Plus 1", "Main draw", "Lotto Plus 1",
                                            "Irish Lotto Plus 1 Numbers"}};

// ---- The eras ------------------------------------------------------------------
// Each game's eras in date order; the games in the order of Game.

constexpr Era Eras[] = {
    {.game = Game::UK, .first = ymd(1994, 11, 19), .last = ymd(2015, 10, 7), .name = "6 from 49",
     .mainCount = 6, .mainLimit = 49, .extraLimit = 49, .extraOwnPool = false, .historyFile = "UK.exe",
     .lowNumberLimit = 26, .tickets = true, .successor = "the 6-from-59 UK Lotto",
     .historyCaption = "UK 6/49 Draw History",
     .historyHeading = "UK Lottery Results Currently Held in Draw File:", .drawDays = Uk649Days,
     .drawsPerDate = OneDraw, .tierLists = Uk649TierLists, .resultDayRule = false, .resultDays = 0,
     .resultDayRefusal = nullptr},
    {.game = Game::UK, .first = ymd(2015, 10, 10), .last = StillDrawn, .name = "6 from 59", .mainCount = 6,
     .mainLimit = 59, .extraLimit = 59, .extraOwnPool = false, .historyFile = "UK59.exe", .lowNumberLimit = 31,
     .tickets = false, .successor = "", .historyCaption = "UK 6/59 Draw History",
     .historyHeading = "UK Lottery Results Currently Held in Draw File:", .drawDays = Uk659Days,
     .drawsPerDate = Uk659Draws, .tierLists = Uk659TierLists, .resultDayRule = false, .resultDays = 0,
     .resultDayRefusal = nullptr},
    {.game = Game::Irish, .first = ymd(1994, 9, 24), .last = ymd(2006, 11, 1), .name = "6 from 42",
     .mainCount = 6, .mainLimit = 42, .extraLimit = 42, .extraOwnPool = false, .historyFile = "IR.exe",
     .lowNumberLimit = 19, .tickets = false, .successor = "the 6-from-45 (later 6-from-47) Irish Lotto",
     .historyCaption = "Irish Draw History",
     .historyHeading = "Irish Lottery Results Currently Held in Draw File:", .drawDays = Irish642Days,
     .drawsPerDate = Irish642Draws, .tierLists = Irish642TierLists, .resultDayRule = false, .resultDays = 0,
     .resultDayRefusal = nullptr},
    {.game = Game::Irish, .first = ymd(2006, 11, 4), .last = ymd(2015, 9, 2), .name = "6 from 45",
     .mainCount = 6, .mainLimit = 45, .extraLimit = 45, .extraOwnPool = false, .historyFile = "IR45.exe",
     .lowNumberLimit = 20, .tickets = false, .successor = "", .historyCaption = "Irish 6/45 Draw History (2006 to 2015)",
     .historyHeading = "Irish Lottery Results Currently Held in Draw File:", .drawDays = Irish645Days2006,
     .drawsPerDate = IrishPlusDraws, .tierLists = Irish645TierLists2006, .resultDayRule = false, .resultDays = 0,
     .resultDayRefusal = nullptr},
    {.game = Game::Irish, .first = ymd(2015, 9, 5), .last = ymd(2026, 9, 2), .name = "6 from 47",
     .mainCount = 6, .mainLimit = 47, .extraLimit = 47, .extraOwnPool = false, .historyFile = "IR47.exe",
     .lowNumberLimit = 21, .tickets = false, .successor = "", .historyCaption = "Irish 6/47 Draw History",
     .historyHeading = "Irish Lottery Results Currently Held in Draw File:", .drawDays = Irish647Days,
     .drawsPerDate = IrishPlusDraws, .tierLists = Irish647TierLists, .resultDayRule = false, .resultDays = 0,
     .resultDayRefusal = nullptr},
    {.game = Game::Irish, .first = ymd(2026, 9, 5), .last = StillDrawn, .name = "6 from 45",
     .mainCount = 6, .mainLimit = 45, .extraLimit = 45, .extraOwnPool = false, .historyFile = "IR45b.exe",
     .lowNumberLimit = 20, .tickets = false, .successor = "", .historyCaption = "Irish 6/45 Draw History (from 2026)",
     .historyHeading = "Irish Lottery Results Currently Held in Draw File:", .drawDays = Irish645Days2026,
     .drawsPerDate = IrishPlusDraws, .tierLists = Irish645TierLists2026, .resultDayRule = false, .resultDays = 0,
     .resultDayRefusal = nullptr},
    {.game = Game::Thunderball, .first = ymd(1999, 6, 12), .last = ymd(2010, 5, 8), .name = "5 from 34",
     .mainCount = 5, .mainLimit = 34, .extraLimit = 14, .extraOwnPool = true, .historyFile = "thresult.exe",
     .lowNumberLimit = 0, .tickets = true, .successor = "the 5-from-39 Thunderball", .historyCaption = "",
     .historyHeading = "", .drawDays = Thunder534Days, .drawsPerDate = OneDraw,
     .tierLists = Thunder534TierLists, .resultDayRule = true, .resultDays = Sat,
     .resultDayRefusal = "You must select a Saturday date on the calendar", .ratingDivisor = 7},
    {.game = Game::Thunderball, .first = ymd(2010, 5, 12), .last = StillDrawn, .name = "5 from 39",
     .mainCount = 5, .mainLimit = 39, .extraLimit = 14, .extraOwnPool = true, .historyFile = "thresult39.exe",
     .lowNumberLimit = 0, .tickets = false, .successor = "", .historyCaption = "", .historyHeading = "",
     .drawDays = Thunder539Days, .drawsPerDate = OneDraw, .tierLists = Thunder539TierLists,
     .resultDayRule = true, .resultDays = 0, .resultDayRefusal = nullptr},
};

// ---- Checks of the tables ------------------------------------------------------

constexpr bool tiersFit(std::span<const TierList> lists, const Era &era)
{
    if (lists.empty() || lists.front().from > era.first)
        return false;
    for (size_t i = 0; i < lists.size(); ++i) {
        if (i > 0 && lists[i].from < lists[i - 1].from)
            return false;
        if (lists[i].draw < 0 || lists[i].draw > 2)
            return false;
        for (const Tier &t : lists[i].tiers)
            if (t.main < 0 || t.main > era.mainCount || t.box < 0 || t.box == 8 || t.box == 9 || t.box > 11)
                return false;
    }
    // Each draw a date may hold has its tiers from the era's first date.
    for (int draw = 1; draw <= 2; ++draw) {
        bool found = false;
        for (const TierList &l : lists)
            found = found || ((l.draw == 0 || l.draw == draw) && l.from <= era.first);
        if (!found)
            return false;
    }
    return true;
}

template <typename Rule>
constexpr bool rulesOrdered(std::span<const Rule> rules, Ymd first)
{
    if (rules.empty() || rules.front().from > first)
        return false;
    for (size_t i = 1; i < rules.size(); ++i)
        if (rules[i].from <= rules[i - 1].from)
            return false;
    return true;
}

constexpr bool erasSound()
{
    for (size_t i = 0; i < std::size(Eras); ++i) {
        const Era &e = Eras[i];
        if (e.mainLimit > MaxBall || e.extraLimit > MaxBall || e.mainCount < 1 || e.mainCount > 6
            || e.mainCount > e.mainLimit || e.first > e.last)
            return false;
        if (!rulesOrdered(e.drawDays, e.first) || !rulesOrdered(e.drawsPerDate, e.first)
            || !tiersFit(e.tierLists, e))
            return false;
        for (const DrawsPerDate &d : e.drawsPerDate)
            if (d.draws < 1 || d.draws > 2)
                return false;
        if (i > 0) {
            const Era &before = Eras[i - 1];
            // A game's eras follow each other without overlapping; the games
            // come in the order of their enum.
            if (before.game == e.game && before.last >= e.first)
                return false;
            if (static_cast<int>(before.game) > static_cast<int>(e.game))
                return false;
        }
    }
    return true;
}

static_assert(erasSound(), "every limit fits the count tables and a game's eras are ordered without overlap");

constexpr bool everyGameHasEras()
{
    for (Game g : AllGames) {
        bool found = false;
        for (const Era &e : Eras)
            found = found || e.game == g;
        if (!found || Games[static_cast<int>(g)].game != g)
            return false;
    }
    return true;
}
static_assert(everyGameHasEras(), "each game has its row and at least one era");

template <typename Rule>
const Rule &ruleOn(std::span<const Rule> rules, Ymd date)
{
    const Rule *found = &rules.front();
    for (const Rule &r : rules)
        if (r.from <= date)
            found = &r;
    return *found;
}

} // namespace

Ymd ymdOf(const QDate &date)
{
    return date.isValid() ? ymd(date.year(), date.month(), date.day()) : 0;
}

QDate dateOf(Ymd date)
{
    return QDate(date / 10000, date / 100 % 100, date % 100);
}

const GameInfo &gameInfo(Game game)
{
    return Games[static_cast<int>(game)];
}

std::optional<Game> gameOfCountry(const QString &countryCode)
{
    for (const GameInfo &g : Games)
        if (g.code[0] != '\0' && countryCode == QLatin1String(g.code))
            return g.game;
    return std::nullopt;
}

quint8 Era::drawDaysOn(Ymd date) const
{
    return ruleOn(drawDays, date).days;
}

const DrawsPerDate &Era::drawsOn(Ymd date) const
{
    return ruleOn(drawsPerDate, date);
}

const TierList &Era::tiersOn(Ymd date, int draw) const
{
    // Any number but 2 is the first draw (0: the draw shown after Change).
    const int which = draw == 2 ? 2 : 1;
    const TierList *found = nullptr;
    for (const TierList &l : tierLists)
        if ((found == nullptr || l.from <= date) && (l.draw == 0 || l.draw == which))
            found = &l;
    static constexpr TierList None{0, 0, Currency::Pound, {}};
    return found ? *found : None;
}

int Era::mostDraws() const
{
    int most = 1;
    for (const DrawsPerDate &d : drawsPerDate)
        most = std::max(most, d.draws);
    return most;
}

std::span<const Era> allEras()
{
    return Eras;
}

std::span<const Era> erasOf(Game game)
{
    const auto first = std::find_if(std::begin(Eras), std::end(Eras), [game](const Era &e) { return e.game == game; });
    const auto last = std::find_if(first, std::end(Eras), [game](const Era &e) { return e.game != game; });
    return {first, last};
}

const Era &latestEra(Game game)
{
    return erasOf(game).back();
}

const Era &firstEra(Game game)
{
    return erasOf(game).front();
}

const Era &eraOn(Game game, Ymd date)
{
    const std::span<const Era> eras = erasOf(game);
    const Era *found = &eras.front();
    for (const Era &e : eras)
        if (e.first <= date)
            found = &e;
    return *found;
}

const Era &eraOn(Game game, const QDate &date)
{
    return eraOn(game, ymdOf(date));
}

const Era *eraCovering(Game game, Ymd date)
{
    const Era &e = eraOn(game, date);
    return e.covers(date) ? &e : nullptr;
}

QString eraTitle(const Era &era)
{
    auto shown = [](Ymd d) { return dateDisplayText(d % 100, d / 100 % 100, d / 10000); };
    if (era.stillDrawn())
        return QStringLiteral("%1 (from %2)").arg(era.displayName(), shown(era.first));
    return QStringLiteral("%1 (%2 to %3)").arg(era.displayName(), shown(era.first), shown(era.last));
}

QString noTicketLayoutMessage(const Era &era)
{
    Ymd last = 0;
    for (const Era &e : erasOf(era.game))
        if (e.tickets)
            last = std::max(last, e.last);
    const QString text =
        QStringLiteral("There is no ticket layout for the %1 %2").arg(era.displayName(), gameInfo(era.game).displayName());
    if (last == 0)
        return text + QLatin1Char('.');
    return text
        + QStringLiteral("; tickets can be printed for draws up to %1.")
              .arg(QLocale(QLocale::English).toString(dateOf(last), QStringLiteral("d MMMM yyyy")));
}

QString eraNumbersText(const Era &era)
{
    auto shown = [](Ymd d) { return QLocale(QLocale::English).toString(dateOf(d), QStringLiteral("d MMMM yyyy")); };
    const QString dates = era.stillDrawn() ? QStringLiteral("from %1").arg(shown(era.first))
                                           : QStringLiteral("from %1 to %2").arg(shown(era.first), shown(era.last));
    return QStringLiteral("Numbers run from 1 to %1 for draws %2.").arg(era.mainLimit).arg(dates);
}

int largestBall(Game game)
{
    int most = 0;
    for (const Era &e : erasOf(game))
        most = std::max(most, e.mainLimit);
    return most;
}

} // namespace ds
