#include "PageBridge/PageNumbers.hpp"

#include <cmath>
#include <limits>

Int32 TruncateToInt32 (double value)
{
    const double truncated = std::trunc (value);
    if (std::isnan (truncated))
        return 0;
    if (truncated >= double (std::numeric_limits<Int32>::max ()))
        return std::numeric_limits<Int32>::max ();
    if (truncated <= double (std::numeric_limits<Int32>::min ()))
        return std::numeric_limits<Int32>::min ();
    return Int32 (truncated);
}

Int32 PageInt32 (const nlohmann::json& number)
{
    if (number.is_number_float ())
        return TruncateToInt32 (number.get<double> ());
    if (number.is_number_unsigned ())
        return Int32 (UInt32 (number.get<UInt64> ()));
    if (number.is_number_integer ())
        return Int32 (UInt32 (UInt64 (number.get<Int64> ())));
    return number.get<Int32> ();   // booleans; every other type raises type error 302
}

Int16 PageInt16 (const nlohmann::json& number) { return Int16 (UInt16 (UInt32 (PageInt32 (number)))); }

UInt8 PageUInt8 (const nlohmann::json& number) { return UInt8 (UInt32 (PageInt32 (number))); }
