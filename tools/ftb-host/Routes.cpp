#include "tools/ftb-host/Routes.h"

#include <algorithm>

namespace ftb::host {

Routes::Routes() : pending_{{}} {}

bool Routes::Next() {
    if (pending_.empty()) return false;
    route_ = std::move(pending_.back());
    pending_.pop_back();
    replayed_ = 0;
    return true;
}

int Routes::Decide(const std::vector<QString>& keys, int preferred) {
    const int count = static_cast<int>(keys.size());
    if (replayed_ < route_.size()) return std::min(route_[replayed_++], count - 1);
    std::vector<int> fresh;
    for (int i = 0; i < count; ++i)
        if (taken_.insert(keys[static_cast<std::size_t>(i)]).second) fresh.push_back(i);
    const int choice = fresh.empty() ? preferred : fresh.front();
    // Queued last to first, so the first of the others runs next.
    for (auto other = fresh.rbegin(); other != fresh.rend(); ++other) {
        if (*other == choice) continue;
        std::vector<int> sibling = route_;
        sibling.push_back(*other);
        pending_.push_back(std::move(sibling));
    }
    route_.push_back(choice);
    replayed_ = route_.size();
    return choice;
}

}  // namespace ftb::host
