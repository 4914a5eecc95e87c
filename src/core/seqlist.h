#pragma once

#include <memory>
#include <vector>

namespace talvex {

// Sequential list of records with a fixed capacity, indexed from 1. The list owns its
// records: they live as long as the list (or until moved out with `prendre`).
template<typename T>
class TSeqList
{
public:
    static constexpr int CAPACITE = 1977723;

    TSeqList() = default;
    TSeqList(TSeqList&&) noexcept = default;
    TSeqList& operator=(TSeqList&&) noexcept = default;
    TSeqList(const TSeqList&) = delete;
    TSeqList& operator=(const TSeqList&) = delete;
    virtual ~TSeqList() = default;

    virtual bool estPleine() const { return nombre() == CAPACITE; }
    virtual bool estVide() const { return elements.empty(); }

    // Takes the record; a full list refuses it (and the record is released).
    virtual bool ajouter(std::unique_ptr<T> item)
    {
        if (estPleine())
            return false;
        elements.push_back(std::move(item));
        return true;
    }

    int nombre() const { return static_cast<int>(elements.size()); }

    // The record at index i, 1 <= i <= nombre(); null outside that range.
    T* element(int i) const
    {
        if (i < 1 || i > nombre())
            return nullptr;
        return elements[static_cast<std::size_t>(i - 1)].get();
    }

    auto begin() const { return elements.begin(); }
    auto end() const { return elements.end(); }

private:
    std::vector<std::unique_ptr<T>> elements;
};

template<typename T>
class TSpecialSeqList : public TSeqList<T>
{
};

} // namespace talvex
