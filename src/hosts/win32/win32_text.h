#pragma once
// The core speaks UTF-8; every user-visible text crosses into the wide-character calls here.
#include <string>
#include <string_view>

namespace dorv {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace dorv
