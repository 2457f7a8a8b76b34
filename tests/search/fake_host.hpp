#pragma once
// A SearchHost for the engine tests: parameter texts and check boxes set by the test,
// everything the engine does recorded in order, and hooks to act inside the yields.
#include <functional>
#include <string>
#include <vector>

#include "data/message.hpp"
#include "search/search_engine.hpp"
#include "search/search_host.hpp"

namespace antkeys::test {

class FakeHost : public SearchHost {
  public:
    explicit FakeHost(SearchEngine& engine) : engine_(engine) {}

    // What the boxes hold.
    std::string antsText = "50";
    std::string sensText = "0.8";
    std::string modifKText = "0.1";
    bool aco = true;
    bool drawGraph = false;
    std::string caption = "A C O Algorithm (Version 2.3)";

    // Presses Stop once this many layouts have been counted (through OnPanelChanged), from
    // the start of the host's life; 0 = never.
    long stopAfter = 0;
    // Called inside every Yield() and after every counted layout.
    std::function<void(FakeHost&)> onYield;
    std::function<void(FakeHost&)> onLayout;

    // What happened.
    struct Ant {
        Layout lay;
        Single grade;
    };
    long yields = 0;
    long layouts = 0;
    std::vector<Ant> ants;              // OnRndKeyGen, in order
    int pheroModifs = 0;                // OnPheroModif
    std::vector<Message> messages;      // show()
    std::vector<std::string> captions;  // SetCaption()
    std::vector<bool> runStates;        // OnRunStateChanged()
    int exitRequests = 0;               // OnExitRequested()
    std::vector<std::string> log;       // every call but Yield, in order

    SearchEngine& engine() { return engine_; }

    void Yield() override {
        ++yields;
        if (onYield) onYield(*this);
    }
    void show(const Message& message) override {
        messages.push_back(message);
        log.push_back("show " + message.title);
    }
    std::string_view ParamText(ParamBox box) override {
        switch (box) {
            case ParamBox::Ants:
                return antsText;
            case ParamBox::PheroSens:
                return sensText;
            case ParamBox::PheroModifK:
                return modifKText;
        }
        return {};
    }
    bool IsChecked(CheckBox box) override { return box == CheckBox::Aco ? aco : drawGraph; }
    void OnRunStateChanged(bool running) override {
        runStates.push_back(running);
        log.push_back(running ? "run" : "rest");
    }
    std::string Caption() override { return caption; }
    void SetCaption(const std::string& text) override {
        caption = text;
        captions.push_back(text);
        log.push_back("caption " + text);
    }
    void OnPanelChanged() override {
        ++layouts;
        if (stopAfter > 0 && layouts >= stopAfter) engine_.RequestStop();
        if (onLayout) onLayout(*this);
    }
    void OnRndKeyGen(const Layout& antLay, Single grade, const KeyTables& /*keys*/) override {
        ants.push_back({antLay, grade});
        log.push_back("rndkeygen");
    }
    void OnPheroModif(const PheroTable& /*phero*/) override {
        ++pheroModifs;
        log.push_back("pheromodif");
    }
    void OnExitRequested() override {
        ++exitRequests;
        log.push_back("exit");
    }

  private:
    SearchEngine& engine_;
};

}  // namespace antkeys::test
