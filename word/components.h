// The four Word server components of the main dialog. Each holds at most one
// of Word's objects at a time; the application component knows how to find
// Word on its own, the others are handed their object by the run.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>

#include "word/object_model.h"

namespace word {

// WordDocument1, WordFont1, WordParagraphFormat1.
template <class Interface>
class ServerComponent {
public:
    // Releases what the component held and holds the given object.
    void connect_to(std::unique_ptr<Interface> object) { held_ = std::move(object); }
    void disconnect() { held_.reset(); }
    bool connected() const { return held_ != nullptr; }

    Interface& get()
    {
        if (!held_) throw std::logic_error("Word server component used before it was connected");
        return *held_;
    }
    Interface* operator->() { return &get(); }

private:
    std::unique_ptr<Interface> held_;
};

// WordApplication1: attaches to the running Word, or starts one, through the
// connector; never asks Word to quit.
class ApplicationComponent {
public:
    using Connector = std::function<std::unique_ptr<Application>()>;

    explicit ApplicationComponent(Connector connector) : connector_(std::move(connector)) {}

    void connect()
    {
        if (!held_) held_ = connector_();
    }
    void disconnect() { held_.reset(); }
    bool connected() const { return held_ != nullptr; }

    // A component used while detached attaches first.
    Application& get()
    {
        connect();
        return *held_;
    }
    Application* operator->() { return &get(); }

private:
    Connector connector_;
    std::unique_ptr<Application> held_;
};

struct WordServers {
    explicit WordServers(ApplicationComponent::Connector connector)
        : WordApplication1(std::move(connector)) {}

    // Released in reverse order of declaration: the document objects before
    // the application.
    ApplicationComponent WordApplication1;
    ServerComponent<Document> WordDocument1;
    ServerComponent<Font> WordFont1;
    ServerComponent<ParagraphFormat> WordParagraphFormat1;
};

}  // namespace word
