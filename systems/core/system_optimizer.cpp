#include "systems/core/system_optimizer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>

#include "state/binomial.h"
#include "systems/core/cover_state.h"
#include "systems/core/system_completion.h"

namespace fortunara {

namespace {

constexpr int kTicket = 6;
constexpr int kMostPositions = 90;
constexpr long long kMovesPerReport = 4096;

// The annealing: its temperature (against the mean rise in failing cases met lately) cools from
// kWarm to kCool over a period of kPeriodPerTicket moves per ticket (at least kLeastPeriod), then
// warms up again.
constexpr double kWarm = 0.1;
constexpr double kCool = 0.03;
constexpr double kPeriodPerTicket = 50;
constexpr long long kLeastPeriod = 20000;
// A lane that finds no system without failing cases in kPatience periods starts again from its best.
constexpr double kPatience = 4;
// The least needed ticket is looked for among this many, drawn at random.
constexpr std::size_t kThinningSample = 64;
// A lane that reached zero failing cases within this many moves takes out twice as many tickets next.
constexpr long long kQuickMoves = 2000;
// The lanes take turns of this many moves.
constexpr long long kTurnMoves = 20000;
// The rotations the lanes besides the plain one search under: cycles and fixed positions.
constexpr int kRotationShapes[][2] = {{1, 0}, {1, 1}, {2, -1}};

using Ticket = CoverState::Ticket;

// A number in [0, 1), the same on every platform for the same generator.
double Unit(std::mt19937_64& random) {
    return static_cast<double>(random() >> 11) * 0x1.0p-53;
}

PositionSystem AsSystem(int positions, const std::vector<Ticket>& tickets) {
    PositionSystem system{positions, {}};
    for (const Ticket& ticket : tickets) system.tickets.emplace_back(ticket.begin(), ticket.end());
    return system;
}

// One line of the search: annealing over systems of a fixed count, lowered whenever no case fails;
// over single tickets, or over orbits of tickets under a rotation.
struct Lane {
    std::unique_ptr<Rotation> rotation;
    std::unique_ptr<CoverState> state;
    std::mt19937_64 random;
    std::vector<Ticket> best;  // its own best without failing cases
    long long bestSize = 0;
    bool hasBest = false;  // `best` keeps the guarantee
    double tau = 0;
    double scale = 1;  // the mean of the rises in failing cases met lately
    long long sinceZero = 0;
    long long period = 0;
    double cooling = 1;
    std::size_t removal = 1;
};

class Search {
public:
    Ticket RandomTicket(std::mt19937_64& random) const {
        Ticket ticket{};
        PositionSet held;
        for (int& p : ticket) {
            do {
                p = static_cast<int>(random() % static_cast<std::uint64_t>(request_.positions));
            } while (held.Contains(p));
            held |= PositionSet::Of(p);
        }
        std::sort(ticket.begin(), ticket.end());
        return ticket;
    }

    Search(const OptimizerRequest& request, const OptimizerProgress& progress,
           std::chrono::steady_clock::time_point deadline)
        : request_(request),
          progress_(progress),
          deadline_(deadline),
          bound_(request.drawn == request.atLeast ? SchonheimBound(request.positions, request.atLeast) : 0) {}

    OptimizerResult Run(const std::vector<std::vector<int>>& start);

private:
    void Restart(Lane& lane, const std::vector<Ticket>& tickets) {
        lane.state =
            std::make_unique<CoverState>(request_.positions, request_.drawn, request_.atLeast, lane.rotation.get());
        for (const Ticket& ticket : tickets) lane.state->Add(ticket);
    }
    void AddLane(std::unique_ptr<Rotation> rotation);
    // Takes out `count` tickets, each the least needed of a sample.
    void Thin(Lane& lane, std::size_t count);
    // Runs a lane for `moves` moves; false when the search is to end.
    bool Step(Lane& lane, long long moves);
    void Found(Lane& lane);
    // The best found becomes the result once checked.
    void Check();
    bool Report();
    // The checked result is as small as the lower bound allows: no search can do better.
    bool AtBound();

    const OptimizerRequest& request_;
    const OptimizerProgress& progress_;
    std::vector<Lane> lanes_;
    OptimizerResult result_;
    std::vector<Ticket> best_;
    bool bestChecked_ = true;
    long long sinceCheck_ = 0;
    long double checkWork_ = 0;
    std::chrono::steady_clock::time_point deadline_;
    long long bound_ = 0;
};

void Search::AddLane(std::unique_ptr<Rotation> rotation) {
    Lane& lane = lanes_.emplace_back();
    lane.rotation = std::move(rotation);
    lane.random.seed(request_.seed + lanes_.size() - 1);
    const long long order = lane.rotation ? lane.rotation->order : 1;
    if (!lane.rotation) {
        lane.best = best_;
        lane.hasBest = true;
    } else {
        // Random orbits, as many as the best found holds.
        const long long reps = std::max<long long>(1, static_cast<long long>(best_.size()) / order);
        for (long long b = 0; b < reps; ++b) lane.best.push_back(RandomTicket(lane.random));
    }
    Restart(lane, lane.best);
    lane.bestSize = lane.rotation ? static_cast<long long>(best_.size()) + 1 : lane.state->SystemSize();
    lane.tau = kWarm;
    lane.period = std::max<long long>(
        kLeastPeriod, static_cast<long long>(kPeriodPerTicket * static_cast<double>(lane.state->Count())));
    lane.cooling = std::exp(std::log(kCool / kWarm) / static_cast<double>(lane.period));
}

void Search::Thin(Lane& lane, std::size_t count) {
    const std::size_t sample = kThinningSample;
    CoverState& state = *lane.state;
    for (std::size_t r = 0; r < count && state.Count() > 1; ++r) {
        const std::size_t tickets = state.Count();
        std::size_t least = 0;
        long long fewest = -1;
        const bool all = tickets <= sample;
        for (std::size_t s = 0; s < (all ? tickets : sample); ++s) {
            const std::size_t i = all ? s : static_cast<std::size_t>(lane.random() % tickets);
            const long long alone = state.Alone(i);
            if (fewest < 0 || alone < fewest) {
                fewest = alone;
                least = i;
            }
        }
        state.Remove(least);
    }
}

void Search::Check() {
    if (bestChecked_) return;
    bestChecked_ = true;
    sinceCheck_ = 0;
    const PositionSystem system = AsSystem(request_.positions, best_);
    const Holes holes = FindHoles(system, request_.drawn, request_.atLeast, 0);
    if (!holes.cancelled && holes.count == 0) result_.tickets = system.tickets;
}

bool Search::Report() {
    const bool going = (!progress_ || progress_(static_cast<int>(result_.tickets.size()), result_.steps)) &&
                       (request_.seconds <= 0 || std::chrono::steady_clock::now() < deadline_);
    result_.stopped = !going;
    return going;
}

bool Search::AtBound() {
    if (bound_ <= 0 || static_cast<long long>(best_.size()) > bound_) return false;
    Check();
    return static_cast<long long>(result_.tickets.size()) <= bound_;
}

void Search::Found(Lane& lane) {
    CoverState& state = *lane.state;
    if (!lane.hasBest || state.SystemSize() < lane.bestSize) {
        lane.best = state.Tickets();
        lane.bestSize = state.SystemSize();
        lane.hasBest = true;
    }
    if (state.SystemSize() < static_cast<long long>(best_.size())) {
        best_ = state.SystemTickets();
        bestChecked_ = false;
        if (static_cast<long double>(sinceCheck_) * 50 >= checkWork_) Check();
    }
    const long long quick = kQuickMoves;
    lane.removal = lane.sinceZero < quick ? std::min(lane.removal * 2, std::max<std::size_t>(1, state.Count() / 50))
                                          : std::max<std::size_t>(1, lane.removal / 2);
    Thin(lane, lane.removal);
    lane.sinceZero = 0;
}

bool Search::Step(Lane& lane, long long moves) {
    // A line over single tickets goes on from a better system another line found.
    if (!lane.rotation && static_cast<long long>(best_.size()) <= lane.state->SystemSize() &&
        lane.state->Failing() > 0) {
        lane.best = best_;
        lane.bestSize = static_cast<long long>(best_.size());
        lane.hasBest = true;
        Restart(lane, best_);
        lane.removal = 1;
        Thin(lane, 1);
        lane.sinceZero = 0;
    }
    const double patience = kPatience;
    for (long long done = 0; done < moves && lane.state->Count() > 1;) {
        CoverState& state = *lane.state;
        if (state.Failing() == 0) {
            Found(lane);
            continue;
        }
        if (request_.steps > 0 && result_.steps >= request_.steps) return false;
        ++done;
        ++result_.steps;
        ++lane.sinceZero;
        ++sinceCheck_;
        if (result_.steps % kMovesPerReport == 0 && !Report()) return false;
        if (static_cast<double>(lane.sinceZero) > patience * static_cast<double>(lane.period)) {
            // Stuck: again from the lane's best, one ticket fewer; or, before it found any, one
            // ticket more.
            if (lane.hasBest) {
                Restart(lane, lane.best);
                Thin(lane, 1);
            } else {
                state.Add(RandomTicket(lane.random));
            }
            lane.removal = 1;
            lane.sinceZero = 0;
            lane.tau = kWarm;
            continue;
        }
        CoverState::Move move;
        if (!state.MoveTowardsFailing(lane.random, move)) move = state.RandomMove(lane.random);
        const long long change = state.Change(move);
        if (change > 0) lane.scale += (static_cast<double>(change) - lane.scale) / 1024;
        if (change <= 0 || Unit(lane.random) < std::exp(-static_cast<double>(change) / (lane.tau * lane.scale))) {
            state.Apply(move);
        }
        lane.tau *= lane.cooling;
        if (lane.tau < kCool) lane.tau = kWarm;
    }
    return true;
}

OptimizerResult Search::Run(const std::vector<std::vector<int>>& start) {
    for (const std::vector<int>& ticket : start) {
        Ticket t{};
        std::copy(ticket.begin(), ticket.end(), t.begin());
        best_.push_back(t);
    }
    bestChecked_ = false;
    Check();
    if (result_.tickets.empty() || request_.positions <= kTicket || !Report()) return result_;
    checkWork_ = HoleSteps(AsSystem(request_.positions, best_), request_.drawn, request_.atLeast);

    const int n = request_.positions;
    AddLane(nullptr);
    for (const auto& [cycles, fixed] : kRotationShapes) {
        const int left = fixed >= 0 ? fixed : n % cycles;
        if (!Rotation::Fits(n, cycles, left)) continue;
        auto rotation = std::make_unique<Rotation>(Rotation::Of(n, cycles, left));
        if (static_cast<long long>(best_.size()) < 3LL * rotation->order) continue;
        AddLane(std::move(rotation));
    }
    for (bool going = true; going && !AtBound();) {
        going = false;
        for (Lane& lane : lanes_) {
            if (lane.state->Count() <= 1) continue;
            if (!Step(lane, kTurnMoves)) {
                going = false;
                break;
            }
            going = true;
        }
    }
    Check();
    return result_;
}

}  // namespace

bool OptimizerAccepts(const OptimizerRequest& request) {
    return request.positions >= 1 && request.positions <= kMostPositions && request.atLeast >= 1 &&
           request.atLeast <= request.drawn && request.drawn <= std::min(kTicket, request.positions) &&
           Binomial(request.positions, request.drawn) <= kMostOptimizerCases;
}

long long SchonheimBound(int positions, int atLeast) {
    if (atLeast < 1 || atLeast > kTicket || positions < atLeast) return 0;
    // ceil(v / k * ceil((v - 1) / (k - 1) * ... ceil((v - t + 1) / (k - t + 1)))), innermost first.
    long long bound = 1;
    for (int i = atLeast - 1; i >= 0; --i) {
        const long long v = positions - i;
        const long long k = kTicket - i;
        bound = (v * bound + k - 1) / k;
    }
    return bound;
}

OptimizerResult OptimizeSystem(const OptimizerRequest& request, const OptimizerProgress& progress) {
    if (!OptimizerAccepts(request)) return {};
    const auto deadline =
        std::chrono::steady_clock::now() +
        std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(request.seconds));
    // The start: the greedy completion of an empty system, which the caller may stop as well.
    bool stopped = false;
    const Completion start = CompleteSystem(
        PositionSystem{request.positions, {}}, request.drawn, request.atLeast, request.seed, [&](double) {
            stopped =
                (progress && !progress(0, 0)) || (request.seconds > 0 && std::chrono::steady_clock::now() >= deadline);
            return !stopped;
        });
    if (!start.complete) {
        OptimizerResult result;
        result.stopped = stopped;
        return result;
    }
    Search search(request, progress, deadline);
    return search.Run(start.added);
}

}  // namespace fortunara
