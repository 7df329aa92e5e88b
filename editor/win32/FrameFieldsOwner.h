#pragma once
// What the frame window asks of the dialog that holds it after every refresh.
class IFrameFieldsOwner {
public:
    // Show the current frame's shift and sound in the dialog's fields.
    virtual void UpdateFrameFields() = 0;

protected:
    ~IFrameFieldsOwner() = default;
};
