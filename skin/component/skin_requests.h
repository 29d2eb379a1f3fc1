#pragma once
// What a skin component asks of the program's skin manager. The component
// only says what happened to it; the manager, which sits above it, decides
// what that means for the windows it skins.

namespace skin {

class TSkinData;

class TSkinRequests {
 public:
  // Whether the manager is there yet: it is made when the first component loads.
  virtual bool Running() const = 0;
  // Reading is done: the manager (made now if there is none) takes the
  // component and, as its kind and Active say, watches the thread's windows,
  // enables skinning or attaches the component's form.
  virtual void ComponentLoaded(TSkinData& data) = 0;
  // The component is going away: the manager forgets it and what it asked for.
  virtual void ComponentDestroyed(TSkinData& data) = 0;
  // Active was switched after loading: skinning is to be turned on or off.
  virtual void ActiveChanged(TSkinData& data) = 0;
  // A new skin was loaded into the component: its windows are to be refreshed.
  virtual void SkinChanged(TSkinData& data) = 0;

 protected:
  ~TSkinRequests() = default;
};

}  // namespace skin
