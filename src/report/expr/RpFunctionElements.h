#pragma once

#include "report/expr/RpFunctions.h"

// Makers of the elements of the built-in functions.
namespace RpFunctionElements {
std::unique_ptr<TRpEvElementFunction> If();
std::unique_ptr<TRpEvElementFunction> Str();
std::unique_ptr<TRpEvElementFunction> Upper();
std::unique_ptr<TRpEvElementFunction> Lower();
std::unique_ptr<TRpEvElementFunction> Pretty();
std::unique_ptr<TRpEvElementFunction> Time();
std::unique_ptr<TRpEvElementFunction> Date();
std::unique_ptr<TRpEvElementFunction> Copy();
std::unique_ptr<TRpEvElementFunction> Sum();
std::unique_ptr<TRpEvElementFunction> Count();
std::unique_ptr<TRpEvElementFunction> Max();
std::unique_ptr<TRpEvElementFunction> Min();
std::unique_ptr<TRpEvElementFunction> Average();
std::unique_ptr<TRpEvElementFunction> TrueValue();
std::unique_ptr<TRpEvElementFunction> FalseValue();
std::unique_ptr<TRpEvElementFunction> Int();
std::unique_ptr<TRpEvElementFunction> Frac();
std::unique_ptr<TRpEvElementFunction> Sqrt();
std::unique_ptr<TRpEvElementFunction> Div();
std::unique_ptr<TRpEvElementFunction> TypeOf();
std::unique_ptr<TRpEvElementFunction> FormatNumeric();
} // namespace RpFunctionElements
