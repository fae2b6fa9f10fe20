#pragma once
// Commands that paint (PDF writing, fonts) need a GUI application; without
// a display it runs on the offscreen platform.

#include <QGuiApplication>
#include <memory>

namespace tavelao::cli {

// A new application, or nullptr when one is already running.
std::unique_ptr<QGuiApplication> StartGui();

}  // namespace tavelao::cli
