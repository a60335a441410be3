#include "analysis/range_engine.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <thread>

namespace kelvara::analysis {

namespace {

constexpr double kNormal975 = 1.959963984540054;  // the standard normal's 97.5 % point
constexpr std::size_t kGridBudget = 1024;         // grid points of a bounds search
constexpr std::size_t kMostCorners = 12;          // varied inputs whose corners are all tried
constexpr int kRefinements = 400;                 // model runs of each local search
const double kMissing = std::numeric_limits<double>::quiet_NaN();

// A small, fast generator whose stream is fixed by its seed (SplitMix64).
class Stream {
 public:
  explicit Stream(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // Uniform on (0, 1), never 0 or 1.
  double uniform() { return (static_cast<double>(next() >> 11) + 0.5) / 9007199254740992.0; }

 private:
  std::uint64_t state_;
};

unsigned workers(unsigned threads) {
  if (threads != 0) return threads;
  return std::max(1U, std::thread::hardware_concurrency());
}

// Runs each of count jobs on one of the threads, each thread with its own model; the jobs
// are numbered, so what each gives does not depend on the thread that runs it.
void inParallel(const ModelFactory& factory, std::size_t count, unsigned threads,
                Progress* progress, const std::function<void(Model&, std::size_t)>& job) {
  const unsigned n = static_cast<unsigned>(std::min<std::size_t>(workers(threads), count));
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    Model model = factory();
    for (std::size_t i = next++; i < count; i = next++) {
      if (progress != nullptr && progress->cancel) return;
      job(model, i);
      if (progress != nullptr) ++progress->done;
    }
  };
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < n; ++t) pool.emplace_back(work);
  if (n > 0) work();
  for (std::thread& thread : pool) thread.join();
}

// Every evaluation, one row of figures each (NaN where refused), with the refusals counted.
struct Table {
  std::size_t figures = 0;
  std::vector<double> values;
  std::vector<std::string> refusal;  // empty where the sample gave every figure
};

// The model at each of count points, pointAt(i) the inputs of the i-th.
Table evaluateAll(const ModelFactory& factory, std::size_t count,
                  const std::function<std::vector<double>(std::size_t)>& pointAt,
                  std::size_t figures, unsigned threads, Progress* progress) {
  Table table{figures, std::vector<double>(count * figures, kMissing),
              std::vector<std::string>(count)};
  inParallel(factory, count, threads, progress, [&](Model& model, std::size_t i) {
    const Evaluation evaluation = model(pointAt(i));
    bool whole = true;
    for (std::size_t f = 0; f < figures; ++f) {
      if (f < evaluation.figures.size() && evaluation.figures[f])
        table.values[i * figures + f] = *evaluation.figures[f];
      else
        whole = false;
    }
    if (!whole) table.refusal[i] = evaluation.refusal.empty() ? "no figure" : evaluation.refusal;
  });
  return table;
}

void countRefusals(const Table& table, std::size_t done, RangeResult& result) {
  result.samples = done;
  for (std::size_t i = 0; i < done; ++i) {
    if (table.refusal[i].empty()) continue;
    ++result.refused;
    ++result.refusals[table.refusal[i]];
  }
}

std::vector<double> nominals(const std::vector<InputRange>& inputs) {
  std::vector<double> values;
  for (const InputRange& input : inputs) values.push_back(input.nominal);
  return values;
}

// The model at the typed values, which also says how many figures it gives.
Evaluation nominalEvaluation(const ModelFactory& factory, const std::vector<InputRange>& inputs,
                             RangeResult& result) {
  Model model = factory();
  Evaluation evaluation = model(nominals(inputs));
  result.figures.resize(evaluation.figures.size());
  for (std::size_t f = 0; f < evaluation.figures.size(); ++f)
    result.figures[f].nominal = evaluation.figures[f];
  return evaluation;
}

}  // namespace

double InputRange::standardUncertainty() const {
  const double a = low;
  const double b = high;
  switch (distribution) {
    case Distribution::Uniform:
      return (b - a) / 2.0 / std::sqrt(3.0);
    case Distribution::Triangular: {
      const double c = nominal;
      return std::sqrt((a * a + b * b + c * c - a * b - a * c - b * c) / 18.0);
    }
    case Distribution::Normal:
      return (b - a) / (2.0 * kNormal975);
  }
  return 0.0;
}

std::vector<double> draw(const std::vector<InputRange>& inputs, std::uint64_t seed,
                         std::size_t index) {
  Stream stream(seed * 0xD1342543DE82EF95ULL + index);
  std::vector<double> values;
  for (const InputRange& input : inputs) {
    // Two draws an input whatever its distribution, so that the stream stays in step.
    const double u = stream.uniform();
    const double v = stream.uniform();
    const double a = input.low;
    const double b = input.high;
    if (!input.varied()) {
      values.push_back(input.nominal);
      continue;
    }
    switch (input.distribution) {
      case Distribution::Uniform:
        values.push_back(a + (b - a) * u);
        break;
      case Distribution::Triangular: {
        const double c = input.nominal;
        values.push_back(u < (c - a) / (b - a) ? a + std::sqrt(u * (b - a) * (c - a))
                                               : b - std::sqrt((1.0 - u) * (b - a) * (b - c)));
        break;
      }
      case Distribution::Normal: {
        const double normal = std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::numbers::pi * v);
        values.push_back((a + b) / 2.0 + normal * (b - a) / (2.0 * kNormal975));
        break;
      }
    }
  }
  return values;
}

RangeResult monteCarlo(const ModelFactory& factory, const std::vector<InputRange>& inputs,
                       std::size_t samples, std::uint64_t seed, unsigned threads,
                       Progress* progress) {
  RangeResult result;
  nominalEvaluation(factory, inputs, result);
  const std::size_t figures = result.figures.size();
  const Table table = evaluateAll(
      factory, samples, [&](std::size_t i) { return draw(inputs, seed, i); }, figures, threads,
      progress);
  result.cancelled = progress != nullptr && progress->cancel;
  if (result.cancelled) return result;
  countRefusals(table, samples, result);
  for (std::size_t f = 0; f < figures; ++f) {
    std::vector<double> values;
    for (std::size_t i = 0; i < samples; ++i)
      if (!std::isnan(table.values[i * figures + f]))
        values.push_back(table.values[i * figures + f]);
    FigureRange& figure = result.figures[f];
    figure.count = values.size();
    if (values.empty()) continue;
    // The probabilistically symmetric 95 % interval of the values in order (JCGM 101, 7.7):
    // each point is the value that would stand at its place, found without a whole sort.
    const std::size_t m = values.size();
    const std::size_t q = static_cast<std::size_t>(std::floor(0.95 * static_cast<double>(m) + 0.5));
    const std::size_t r = std::max<std::size_t>(1, (m - q + 1) / 2);
    const auto at = [&values](std::size_t place) {
      std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(place),
                       values.end());
      return values[place];
    };
    const auto [least, greatest] = std::minmax_element(values.begin(), values.end());
    figure.min = *least;
    figure.max = *greatest;
    figure.p025 = at(r - 1);
    figure.p975 = at(std::min(m, r + q) - 1);
    figure.p50 = at((m - 1) / 2);
    figure.values = std::move(values);
  }
  return result;
}

OneAtATime oneAtATime(const ModelFactory& factory, const std::vector<InputRange>& inputs) {
  OneAtATime bars;
  Model model = factory();
  for (std::size_t k = 0; k < inputs.size(); ++k) {
    bars.low.emplace_back();
    bars.high.emplace_back();
    if (!inputs[k].varied()) continue;
    std::vector<double> point = nominals(inputs);
    point[k] = inputs[k].low;
    bars.low.back() = model(point);
    point[k] = inputs[k].high;
    bars.high.back() = model(point);
  }
  return bars;
}

RangeResult firstOrder(const ModelFactory& factory, const std::vector<InputRange>& inputs) {
  RangeResult result;
  const Evaluation nominal = nominalEvaluation(factory, inputs, result);
  Model model = factory();
  std::vector<std::vector<double>> contributions(result.figures.size());
  std::vector<bool> defined(result.figures.size(), true);
  for (std::size_t k = 0; k < inputs.size(); ++k) {
    const InputRange& input = inputs[k];
    // Over half the half-width either side: wide enough that the boxes' rounding to their
    // last decimal does not swamp the difference.
    const double step = (input.high - input.low) / 4.0;
    std::vector<double> up = nominals(inputs);
    std::vector<double> down = up;
    up[k] += step;
    down[k] -= step;
    const Evaluation above = input.varied() ? model(up) : nominal;
    const Evaluation below = input.varied() ? model(down) : nominal;
    result.samples += input.varied() ? 2 : 0;
    for (const Evaluation* side : {&above, &below})
      if (!side->refusal.empty() || side->figures.size() < result.figures.size()) {
        ++result.refused;
        ++result.refusals[side->refusal.empty() ? "no figure" : side->refusal];
      }
    for (std::size_t f = 0; f < result.figures.size(); ++f) {
      FigureRange& figure = result.figures[f];
      const bool both = f < above.figures.size() && f < below.figures.size() && above.figures[f] &&
                        below.figures[f];
      double sensitivity = 0.0;
      if (input.varied() && both)
        sensitivity = (*above.figures[f] - *below.figures[f]) / (2 * step);
      if (input.varied() && !both) defined[f] = false;
      figure.sensitivities.push_back(sensitivity);
      contributions[f].push_back(std::pow(sensitivity * input.standardUncertainty(), 2));
    }
  }
  for (std::size_t f = 0; f < result.figures.size(); ++f) {
    FigureRange& figure = result.figures[f];
    if (!defined[f] || !figure.nominal) continue;
    double variance = 0.0;
    for (double c : contributions[f]) variance += c;
    figure.u = std::sqrt(variance);
    figure.U = 2.0 * *figure.u;
    for (double c : contributions[f]) figure.shares.push_back(variance > 0 ? c / variance : 0.0);
  }
  return result;
}

RangeResult bounds(const ModelFactory& factory, const std::vector<InputRange>& inputs,
                   unsigned threads, Progress* progress) {
  RangeResult result;
  nominalEvaluation(factory, inputs, result);
  const std::size_t figures = result.figures.size();
  std::vector<std::size_t> varied;
  for (std::size_t k = 0; k < inputs.size(); ++k)
    if (inputs[k].varied()) varied.push_back(k);

  // The corners, then a grid inside (or, with too many inputs for one, seeded draws).
  std::vector<std::vector<double>> points;
  const std::vector<double> typed = nominals(inputs);
  result.searched = varied.size() > kMostCorners;
  if (!result.searched)
    for (std::size_t corner = 0; corner < (std::size_t{1} << varied.size()); ++corner) {
      std::vector<double> point = typed;
      for (std::size_t j = 0; j < varied.size(); ++j)
        point[varied[j]] = (corner >> j & 1) ? inputs[varied[j]].high : inputs[varied[j]].low;
      points.push_back(point);
    }
  std::size_t perAxis = 2;
  while (!varied.empty() &&
         std::pow(static_cast<double>(perAxis + 1), static_cast<double>(varied.size())) <=
             static_cast<double>(kGridBudget))
    ++perAxis;
  if (perAxis >= 3) {
    std::size_t total = 1;
    for (std::size_t j = 0; j < varied.size(); ++j) total *= perAxis;
    for (std::size_t n = 0; n < total; ++n) {
      std::vector<double> point = typed;
      std::size_t rest = n;
      for (std::size_t k : varied) {
        const double t = static_cast<double>(rest % perAxis) / static_cast<double>(perAxis - 1);
        rest /= perAxis;
        point[k] = inputs[k].low + t * (inputs[k].high - inputs[k].low);
      }
      points.push_back(point);
    }
  } else if (!varied.empty()) {
    std::vector<InputRange> uniform = inputs;
    for (InputRange& input : uniform) input.distribution = Distribution::Uniform;
    for (std::size_t n = 0; n < kGridBudget; ++n) points.push_back(draw(uniform, 1, n));
  }
  const Table table = evaluateAll(
      factory, points.size(), [&](std::size_t i) { return points[i]; }, figures, threads, progress);
  result.cancelled = progress != nullptr && progress->cancel;
  if (result.cancelled) return result;
  countRefusals(table, points.size(), result);

  // From the best point found, a pattern search along each varied input for each extreme.
  Model model = factory();
  for (std::size_t f = 0; f < figures; ++f) {
    FigureRange& figure = result.figures[f];
    for (int sign : {-1, 1}) {
      std::size_t best = points.size();
      for (std::size_t i = 0; i < points.size(); ++i) {
        const double value = table.values[i * figures + f];
        if (std::isnan(value)) continue;
        if (best == points.size() || sign * value > sign * table.values[best * figures + f])
          best = i;
      }
      if (best == points.size()) continue;
      std::vector<double> at = points[best];
      double value = table.values[best * figures + f];
      std::vector<double> steps;
      for (std::size_t k : varied)
        steps.push_back((inputs[k].high - inputs[k].low) / static_cast<double>(perAxis));
      for (int run = 0; run < kRefinements;) {
        bool improved = false;
        for (std::size_t j = 0; j < varied.size(); ++j)
          for (double direction : {-1.0, 1.0}) {
            const std::size_t k = varied[j];
            std::vector<double> trial = at;
            trial[k] = std::clamp(at[k] + direction * steps[j], inputs[k].low, inputs[k].high);
            if (trial[k] == at[k]) continue;
            const Evaluation evaluation = model(trial);
            ++run;
            if (f < evaluation.figures.size() && evaluation.figures[f] &&
                sign * *evaluation.figures[f] > sign * value) {
              value = *evaluation.figures[f];
              at = trial;
              improved = true;
            }
          }
        if (!improved) {
          bool small = true;
          for (std::size_t j = 0; j < steps.size(); ++j) {
            steps[j] /= 2.0;
            const std::size_t k = varied[j];
            small = small && steps[j] < (inputs[k].high - inputs[k].low) * 1e-9;
          }
          if (small || steps.empty()) break;
        }
      }
      (sign < 0 ? figure.min : figure.max) = value;
      (sign < 0 ? figure.argMin : figure.argMax) = at;
    }
  }
  return result;
}

}  // namespace kelvara::analysis
