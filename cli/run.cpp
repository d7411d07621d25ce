#include "cli/run.h"

namespace lorvane::cli {

int RunCall(const Call& call, std::ostream& out, std::ostream& err) {
    const schedule::CalculatedCall calculated(call);
    if (call.json) {
        out << schedule::JsonText(calculated.ToJson()) << '\n';
    } else {
        out << calculated.FormText();
    }
    if (const auto& refusal = calculated.Record().Refused()) {
        err << refusal->message << '\n';
        return 1;
    }
    return 0;
}

}  // namespace lorvane::cli
