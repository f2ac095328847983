#include "shell/HelpTopics.h"

#include <initializer_list>

namespace shell {
namespace {

struct Topic {
    std::string_view name;
    std::initializer_list<int> views;
};

const Topic kTopics[] = {
    {"Main_Contents", {0, 3, 11, 33, 39, 40, 47, 49, 50, 54, 59, 61, 62, 63, 65, 69, 71, 75}},
    {"Overview", {2}},
    {"Reports", {6, 10, 48, 55}},
    {"Budgets", {7, 51, 52, 53, 64}},
    {"Setpassword", {8, 68}},
    {"Lockapplication", {9}},
    {"Findtransactions", {12, 32}},
    {"Editaccount", {13}},
    {"AccountInfo", {14, 15}},
    {"Customtransaction", {16, 17, 18, 19, 20, 21, 22, 23, 24, 28, 29, 30}},
    {"Setcurrency", {25, 26, 27}},
    {"Transactions", {31}},
    {"Reconcile", {34, 35}},
    {"Purgetransaction", {36}},
    {"Transfer", {37}},
    {"Adjust", {38}},
    {"Createoredittransaction", {41, 42, 73, 74, 76}},
    {"Viewupcomingtransactions", {43, 72}},
    {"Createscheduledtransaction", {44}},
    {"Editscheduledtransactions", {45}},
    {"Convertcurrency", {46}},
    {"Splittransaction", {56}},
    {"Scheduledtransaction", {57}},
    {"Upcomingtransaction", {58}},
    {"Setuponline", {60}},
    {"Reviewtransactions", {66, 67}},
    {"Importaccounts", {70}},
};

}  // namespace

std::string_view HelpTopicFor(int view) {
    for (const Topic& topic : kTopics) {
        for (int v : topic.views) {
            if (v == view) return topic.name;
        }
    }
    return {};
}

std::string HelpPageFor(int view) {
    const std::string_view topic = HelpTopicFor(view);
    if (topic.empty()) return {};
    return std::string(kHelpFile) + "#" + std::string(topic);
}

}  // namespace shell
