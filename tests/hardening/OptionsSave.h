#pragma once

#include <functional>

class TIniFile;

// The options window's save, key by key in its order. Odd rounds store the other
// set of values, so that every save changes every key. afterEachKey runs after
// every single write.
void SaveOptions(const TIniFile& ini, long round, const std::function<void()>& afterEachKey = {});
