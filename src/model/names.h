#pragma once

// The names an enumeration's values go by in files, on the command line and
// in settings, kept beside the enumeration as a table of these.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

template <typename E>
struct Named {
    E Value;
    std::string_view Name;
};

template <typename E, std::size_t N>
constexpr std::string_view NameOf(const std::array<Named<E>, N>& names, E value)
{
    for (const Named<E>& named : names)
        if (named.Value == value)
            return named.Name;
    return {};
}

template <typename E, std::size_t N>
constexpr std::optional<E> ValueNamed(const std::array<Named<E>, N>& names, std::string_view name)
{
    for (const Named<E>& named : names)
        if (named.Name == name)
            return named.Value;
    return std::nullopt;
}

// "ntsc, pal or square": the names as a list in words.
template <typename E, std::size_t N>
std::string NamesInWords(const std::array<Named<E>, N>& names, std::string_view lastJoin = " or ")
{
    std::string words;
    for (std::size_t i = 0; i < N; ++i)
        words += std::string(i == 0 ? "" : i + 1 == N ? lastJoin : ", ") + std::string(names[i].Name);
    return words;
}

} // namespace tw
