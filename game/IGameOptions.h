#pragma once

// The options the rules read live from the options window's controls.
class IGameOptions {
public:
    virtual ~IGameOptions() = default;

    virtual bool rb2012Down() const = 0;
    virtual bool rb1810Down() const = 0;
    virtual bool rb168Down() const = 0;
    // Item index of cbGameScheme: 0, 1, 2, or -1 when nothing is selected.
    virtual int schemeIndex() const = 0;
};
