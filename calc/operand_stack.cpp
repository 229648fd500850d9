#include "calc/operand_stack.h"

#include <utility>

#include "res/strings.h"

void OperandStack::SetReporter(Reporter reporter) { m_report = std::move(reporter); }

void OperandStack::Push(double value) {
    if (m_count >= kCapacity) {
        if (m_report) m_report(text::kStackFull);
        return;
    }
    m_values[static_cast<std::size_t>(m_count++)] = value;
}

double OperandStack::Pop() {
    if (m_count <= 0) {
        if (m_report) m_report(text::kStackEmpty);
        return 0.0;
    }
    return m_values[static_cast<std::size_t>(--m_count)];
}
