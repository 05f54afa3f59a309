// The local time and the user's locale separators from Windows.
#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace tavel {

namespace {

std::string LocaleText(LCTYPE what, const char* fallback) {
  char buf[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, what, buf, sizeof buf) <= 1) return fallback;
  return buf;
}

}  // namespace

DateTime Win32Clock::Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return {st.wYear, st.wMonth, st.wDay, st.wDayOfWeek, st.wHour, st.wMinute, st.wSecond};
}

std::string Win32Clock::DateSeparator() {
  return LocaleText(LOCALE_SDATE, "/");
}
std::string Win32Clock::TimeSeparator() {
  return LocaleText(LOCALE_STIME, ":");
}
std::string Win32Clock::ThousandsSeparator() {
  return LocaleText(LOCALE_STHOUSAND, ",");
}

}  // namespace tavel
