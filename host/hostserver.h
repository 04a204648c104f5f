#pragma once
// The program's IServer: it hands out the property server it owns.
#include <memory>

#include "hostapi/propertyserver.h"
#include "hostapi/queryserver.h"

namespace mirel {

class HostServer final : public IServer {
 public:
  explicit HostServer(std::unique_ptr<CPQPropertyServer> properties) : m_properties(std::move(properties)) {}
  CPQPropertyServer* GetPropertyServer() override { return m_properties.get(); }

 private:
  std::unique_ptr<CPQPropertyServer> m_properties;
};

}  // namespace mirel
