#pragma once
// The program's windows, created once in their fixed order.
#include "app/ports.h"
#include "ui/application.h"

namespace vnt {

// Sets the help file and title and creates the eight windows.
void CreateForms(ui::Application& app, Ports& ports);
// The whole program: creation, the message loop, and the report of an escaping error.
int RunProgram(ui::Application& app, Ports& ports);
// Clears the global window pointers once the application has destroyed the windows.
void ForgetForms();

}  // namespace vnt
