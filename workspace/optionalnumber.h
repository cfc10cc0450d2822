#pragma once

#include <QString>

#include <optional>

namespace playfair {

// A number that holds no value until it is first assigned. An unset number
// reads as 0 in arithmetic and as the empty text when joined to a text.
template<typename T>
class OptionalNumber
{
public:
    OptionalNumber() = default;

    OptionalNumber &operator=(T value)
    {
        m_value = value;
        return *this;
    }

    bool isSet() const { return m_value.has_value(); }
    T value() const { return m_value.value_or(T(0)); }
    QString toText() const { return m_value ? QString::number(*m_value) : QString(); }

    friend bool operator==(const OptionalNumber &, const OptionalNumber &) = default;

private:
    std::optional<T> m_value;
};

} // namespace playfair
