#include "platform/win32/user_only_security.h"

#include <vector>

namespace tavrix {
namespace {

class UserOnlySecurity {
 public:
  explicit UserOnlySecurity(bool inherited) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    user_.resize(size);
    const bool known = size != 0 && GetTokenInformation(token, TokenUser, user_.data(), size, &size);
    CloseHandle(token);
    if (!known) return;
    const PSID sid = reinterpret_cast<TOKEN_USER*>(user_.data())->User.Sid;
    const DWORD aclSize = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(sid);
    acl_.resize(aclSize);
    auto* acl = reinterpret_cast<ACL*>(acl_.data());
    const DWORD inheritance = inherited ? OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE : 0;
    if (!InitializeAcl(acl, aclSize, ACL_REVISION) ||
        !AddAccessAllowedAceEx(acl, ACL_REVISION, inheritance, GENERIC_ALL, sid) ||
        !InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE)) {
      return;
    }
    // Protected: nothing inherited from the folder above widens it.
    SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
    attributes_ = SECURITY_ATTRIBUTES{sizeof attributes_, &descriptor_, FALSE};
    ready_ = true;
  }

  SECURITY_ATTRIBUTES* get() { return ready_ ? &attributes_ : nullptr; }

 private:
  std::vector<BYTE> user_;
  std::vector<BYTE> acl_;
  SECURITY_DESCRIPTOR descriptor_{};
  SECURITY_ATTRIBUTES attributes_{};
  bool ready_ = false;
};

}  // namespace

SECURITY_ATTRIBUTES* UserOnlyAttributes(bool inherited) {
  static UserOnlySecurity objects(false);
  static UserOnlySecurity folders(true);
  return inherited ? folders.get() : objects.get();
}

}  // namespace tavrix
