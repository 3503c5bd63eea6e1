#pragma once

#include <cstdint>
#include <vector>

#include "core/Catalogue.h"

namespace metalweight::bom {

// The weights of a list by section kind (category and choice), in order of first
// appearance, and all together. Sums are of the unrounded weights.
class Totals {
  public:
    struct Group {
        Category category;
        int choice;
        std::uint64_t quantity;
        double weight;
    };

    void add(Category category, int choice, std::uint64_t quantity, double weight) {
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

    [[nodiscard]] const std::vector<Group>& groups() const { return groups_; }
    [[nodiscard]] double weight() const { return weight_; }
    [[nodiscard]] std::uint64_t quantity() const { return quantity_; }

  private:
    std::vector<Group> groups_;  // at most 12 categories by their choices: a few dozen
    double weight_ = 0.0;
    std::uint64_t quantity_ = 0;
};

}  // namespace metalweight::bom
