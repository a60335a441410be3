#include "shell/page_logics.h"

#include <algorithm>
#include <functional>
#include <type_traits>

#include "collision/crush_page.h"
#include "collision/cycle_page.h"
#include "collision/momentum_page.h"
#include "dynamics/curve_page.h"
#include "dynamics/flight_page.h"
#include "dynamics/max_speed_page.h"
#include "dynamics/overturn_page.h"
#include "dynamics/partial_braking_page.h"
#include "dynamics/side_slip_page.h"
#include "dynamics/throw_page.h"
#include "dynamics/trailer_page.h"
#include "human/alcohol_page.h"
#include "human/reaction_page.h"
#include "location/longitude_latitude_page.h"
#include "location/sun_page.h"
#include "location/uk_grid_page.h"
#include "motion/newton_page.h"
#include "motion/quadratic_page.h"

namespace kelvara {

namespace {

template <class Page>
class LogicOf : public PageLogic {
 public:
  explicit LogicOf(std::unique_ptr<Page> page)
      : PageLogic(page->describe()), page_(std::move(page)) {}

 private:
  std::unique_ptr<Page> page_;  // on the heap, so the description's pointers stay true
};

using Opener = std::function<std::unique_ptr<PageLogic>(Dialogs&)>;

template <class Page>
Opener opener() {
  return [](Dialogs& dialogs) -> std::unique_ptr<PageLogic> {
    if constexpr (std::is_constructible_v<Page, Dialogs&>)
      return std::make_unique<LogicOf<Page>>(std::make_unique<Page>(dialogs));
    else  // a page of fixed texts, which shows no message
      return std::make_unique<LogicOf<Page>>(std::make_unique<Page>());
  };
}

class NoDialogs : public Dialogs {
 public:
  int show(const Message&) override { return Answer::Ok; }
};

struct NamedOpener {
  std::string_view name;
  std::string_view title;
  Opener open;
};

// Every page once, by the name its description gives it.
const std::vector<NamedOpener>& openers() {
  static const std::vector<NamedOpener> named = [] {
    const Opener all[] = {
        opener<NewtonPage>(),       opener<QuadraticPage>(),     opener<CurvePage>(),
        opener<PartialBrakingPage>(), opener<MaxSpeedPage>(),    opener<OverturnPage>(),
        opener<SideSlipPage>(),     opener<FlightPage>(),        opener<ThrowPage>(),
        opener<TrailerPage>(),      opener<MomentumPage>(),      opener<CrushPage>(),
        opener<CyclePage>(),        opener<UKGridPage>(),        opener<LongitudeLatitudePage>(),
        opener<SunPage>(),          opener<AlcoholPage>(),       opener<ReactionPage>(),
    };
    NoDialogs none;
    std::vector<NamedOpener> result;
    for (const Opener& open : all) {
      const auto logic = open(none);
      result.push_back({logic->description().page, logic->description().title, open});
    }
    return result;
  }();
  return named;
}

}  // namespace

const std::vector<std::string_view>& pageLogicNames() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> result;
    for (const NamedOpener& page : openers()) result.push_back(page.name);
    return result;
  }();
  return names;
}

std::string_view pageLogicTitle(std::string_view page) {
  for (const NamedOpener& named : openers())
    if (named.name == page) return named.title;
  return {};
}

std::unique_ptr<PageLogic> openPageLogic(std::string_view page, Dialogs& dialogs) {
  const auto& all = openers();
  const auto found = std::find_if(all.begin(), all.end(),
                                  [page](const NamedOpener& named) { return named.name == page; });
  if (found == all.end()) return nullptr;
  std::unique_ptr<PageLogic> logic = found->open(dialogs);
  logic->description().load();
  return logic;
}

}  // namespace kelvara
