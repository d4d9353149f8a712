#pragma once
// The entries of a sprite list, in stored order.
#include "sprites/TSpriteRC.h"

#include <memory>
#include <vector>

namespace ballforge {

/// Owns its entries.
class TSpriteList {
public:
    std::size_t Count() const { return items_.size(); }
    TSpriteRC& Item(std::size_t index) const { return *items_.at(index); }
    TSpriteRC* Add(std::unique_ptr<TSpriteRC> item) {
        items_.push_back(std::move(item));
        return items_.back().get();
    }
    TSpriteRC* Add() { return Add(std::make_unique<TSpriteRC>()); }
    void Delete(std::size_t index) { items_.erase(items_.begin() + std::ptrdiff_t(index)); }
    void Clear() { items_.clear(); }

private:
    std::vector<std::unique_ptr<TSpriteRC>> items_;
};

} // namespace ballforge
