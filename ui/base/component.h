#pragma once
// The base of everything the library names. A component is freed by its
// owner, carries a `Name`, an integer `Tag` and a class name (`TButton`,
// `TLabel`, ...) that the skin engine dispatches on, and owns an ordered list
// of components. Texts are GBK throughout the library.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

enum class TOperation { opInsert, opRemove };

class TComponent {
 public:
  // The owner (or nullptr) frees this component when it is freed itself.
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  virtual std::string ClassName() const { return "TComponent"; }

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index); }
  // Case-insensitive, as names are matched on Windows; nullptr when absent.
  TComponent* FindComponent(std::string_view name) const;
  void InsertComponent(TComponent* component);
  // The component stays alive; it just no longer has an owner.
  void RemoveComponent(TComponent* component);

  // True once destruction has begun (owned components are still alive).
  bool Destroying() const { return destroying_; }

  // While a component is being built from stored settings (a window's
  // layout), between BeginLoading and Loaded; setters may defer work then.
  bool Loading() const { return loading_; }
  void BeginLoading() { loading_ = true; }
  // Called once everything a component was built from is in place; overrides
  // call this first.
  virtual void Loaded() { loading_ = false; }

 protected:
  // Told when a component is inserted into or removed from the owner; by
  // default passed on to every owned component, so anyone keeping a pointer
  // to a sibling can drop it in time.
  virtual void Notification(TComponent* component, TOperation operation);
  // Derived destructors call this first so that handlers see Destroying().
  void BeginDestroy() { destroying_ = true; }

 private:
  TComponent* owner_ = nullptr;
  std::string name_;
  int tag_ = 0;
  std::vector<TComponent*> components_;
  bool destroying_ = false;
  bool loading_ = false;
};

// An event that only names its sender (a click, a change).
using TNotifyEvent = std::function<void(TComponent* sender)>;

}  // namespace ui
