#include "tools/bom/Totals.h"

namespace metalweight::bom {

void Totals::add(Category category, int choice, std::uint64_t quantity, double weight) {
    weight_ += weight;
    quantity_ += quantity;
    for (Group& group : groups_) {
        if (group.category == category && group.choice == choice) {
            group.quantity += quantity;
            group.weight += weight;
            return;
        }
    }
    groups_.push_back({category, choice, quantity, weight});
}

}  // namespace metalweight::bom
