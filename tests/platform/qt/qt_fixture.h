#pragma once
// Shared set-up of the Qt tests: the Qt platform (backend, clipboard, input) and the sample
// resources; the interaction service is the test's own choice.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include "mfc/sample_dialog.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/qtplatform.h"

class QtTest : public ::testing::Test {
 protected:
  ~QtTest() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  template <typename T>
  static T* WidgetAs(const CWnd* wnd) {
    return dynamic_cast<T*>(mirel::qt::WidgetOf(wnd));
  }
  mirel::qt::QtPlatform platform{false};
  sample::SampleResources resources;
};
