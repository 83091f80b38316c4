#pragma once

#include <QString>
#include <memory>

class TComponent;
class TForm;

// Makes an empty component of the kind a layout names ("TImage", "TBitBtn"
// ...); null for a kind the program does not know.
std::unique_ptr<TComponent> CreateComponent(const QString& kind, TForm& owner);
