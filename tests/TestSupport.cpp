#include "TestSupport.h"

BoxRecorder::BoxRecorder()
{
    Application->SetMessageBoxPresenter([this](const MessageBoxRequest& r) { boxes_.push_back(r); });
}

std::vector<MessageBoxRequest> BoxRecorder::Take() { return std::exchange(boxes_, {}); }

QStringList BoxRecorder::TakeTexts()
{
    QStringList texts;
    for (const auto& box : Take())
        texts << box.text;
    return texts;
}

BoxRecorder& Boxes()
{
    static BoxRecorder recorder;
    return recorder;
}
