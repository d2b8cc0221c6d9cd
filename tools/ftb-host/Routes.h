#pragma once
// The explorer's routes: a route is the list of choices a run made at its decision points, in
// order. A run replays its route; past the route's end each decision point takes the first choice
// whose key was never taken before and queues every other such choice as a route of its own (the
// route so far plus that choice), so each keyed choice is taken once; where every choice was
// taken it takes the one its caller prefers. The queued routes run depth first.
#include <QString>
#include <set>
#include <vector>

namespace ftb::host {

class Routes {
  public:
    // One empty route to run; no choice taken.
    Routes();

    // Makes the next queued route the one to run; false when none is left.
    bool Next();
    // Routes queued and not run yet.
    std::size_t Left() const { return pending_.size(); }

    // The choice at the next decision point of the run among `keys`: the route's own while it
    // is replayed (kept among the choices there are), else as above. `preferred` indexes keys.
    int Decide(const std::vector<QString>& keys, int preferred);

  private:
    std::set<QString> taken_;
    std::vector<std::vector<int>> pending_;  // the next last
    std::vector<int> route_;
    std::size_t replayed_ = 0;
};

}  // namespace ftb::host
