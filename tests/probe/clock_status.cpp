// Sets or clears the kernel's "clock not synchronised" status, as a time daemon does when it has
// set the clock from a server or has stopped correcting it. Root only; for User-mode Linux runs.
//   clock_status set|clear
#include <sys/timex.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 2 || (std::strcmp(argv[1], "set") != 0 && std::strcmp(argv[1], "clear") != 0)) {
    std::fputs("usage: clock_status set|clear\n", stderr);
    return 64;
  }
  timex status{};
  if (::ntp_adjtime(&status) == -1) return std::perror("ntp_adjtime"), 1;
  status.modes = ADJ_STATUS;
  if (std::strcmp(argv[1], "set") == 0) {
    status.status |= STA_UNSYNC;
  } else {
    // The kernel marks the clock unsynchronised again once its maximum error passes 16 s, so a
    // daemon that sets the clock also says how far off it may be.
    status.modes |= ADJ_MAXERROR | ADJ_ESTERROR;
    status.status &= ~STA_UNSYNC;
    status.maxerror = 0;
    status.esterror = 0;
  }
  if (::ntp_adjtime(&status) == -1) return std::perror("ntp_adjtime"), 1;
  return 0;
}
