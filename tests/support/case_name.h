#pragma once
// Names each parameterised case after its row's name field, so that failures and CTest lines read
// as the table does.
#include <gtest/gtest.h>

#include <string>

struct CaseName {
    template <typename T>
    std::string operator()(const ::testing::TestParamInfo<T>& info) const {
        return info.param.name;
    }
};
