// The small last-in-first-out stack of doubles on which the side calculators do their
// arithmetic. It guards its own bounds: an overflow or an underflow is told to the user and
// the calculation goes on.
#pragma once

#include <array>
#include <functional>
#include <string_view>

class OperandStack {
public:
    static constexpr int kCapacity = 100;

    // Tells the user about an overflow or underflow (a message box in the program).
    using Reporter = std::function<void(std::string_view message)>;

    // Until a reporter is set, overflow and underflow go untold.
    void SetReporter(Reporter reporter);

    // A value beyond the capacity is reported and discarded.
    void Push(double value);
    // An empty stack is reported and yields 0.
    double Pop();

    int Count() const { return m_count; }

private:
    std::array<double, kCapacity> m_values{};
    int m_count = 0;
    Reporter m_report;
};

// Pushes first and second, pops them again and pushes op(first, second): the step in which
// the side calculators combine two operands.
template <class Op>
void PushCombined(OperandStack& stack, double first, double second, Op op) {
    stack.Push(first);
    stack.Push(second);
    const double q = stack.Pop();
    const double p = stack.Pop();
    stack.Push(op(p, q));
}
