#pragma once

namespace npf {

// One visitor out of several lambdas, for std::visit over a field's member.
template <class... Ts> struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace npf
