// The simulated world most native tests start from: a desktop (windows,
// processes, clock, keyboard, trace) and the boxes a person would answer,
// both writing to the desktop's one trace.
#pragma once

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_ui.h"
#include "tests/support/trace_filter.h"

namespace tavrix::test_support {

struct SimWorld {
  Lines Trace() const { return desktop.Trace().Lines(); }
  // The message boxes and questions shown, as "message CAPTION: TEXT" and
  // "question CAPTION: TEXT".
  Lines Messages() const {
    Lines shown;
    for (const std::string& line : Trace())
      if (line.rfind("message ", 0) == 0 || line.rfind("question ", 0) == 0) shown.push_back(line);
    return shown;
  }

  SimDesktop desktop;
  SimUi ui{desktop.Trace()};
};

}  // namespace tavrix::test_support
