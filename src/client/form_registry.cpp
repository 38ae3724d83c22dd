#include "client/form_registry.h"

namespace fluvane::client {

FormRegistry::FormRegistry(platform::Platform& platform)
    : platform_(platform), form1_([this] {
          auto form = std::make_unique<mainwindow::Form1>(platform_, *this);
          form->Form_Load();
          return form;
      }) {}

void FormRegistry::ShowPopupAd(const std::string&) {}

void FormRegistry::ShowRecommendation() {}

}  // namespace fluvane::client
