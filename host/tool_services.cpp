#include "host/tool_services.h"

namespace host {

namespace {
TIToolServices* services = nullptr;
}

TIToolServices* ToolServices() { return services; }
void SetToolServices(TIToolServices* value) { services = value; }

}  // namespace host
