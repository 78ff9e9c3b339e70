#include "exchange/large_stack.h"

#include <exception>
#include <pthread.h>
#include <stdexcept>

namespace trelvix {

namespace {

constexpr std::size_t stackBytes = std::size_t{ 512 } << 20;

struct Task
{
  const std::function<void()>* work;
  std::exception_ptr failure;
};

void* runTask(void* argument)
{
  auto* task = static_cast<Task*>(argument);
  try {
    (*task->work)();
  } catch (...) {
    task->failure = std::current_exception();
  }
  return nullptr;
}

} // namespace

void runWithLargeStack(const std::function<void()>& work)
{
  Task task{ &work, nullptr };
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_t thread;
  const bool started = pthread_attr_setstacksize(&attributes, stackBytes) == 0 &&
                       pthread_create(&thread, &attributes, runTask, &task) == 0;
  pthread_attr_destroy(&attributes);
  if (!started) {
    work(); // no thread to be had: the ordinary stack serves every molecule of usual size
    return;
  }
  pthread_join(thread, nullptr);
  if (task.failure)
    std::rethrow_exception(task.failure);
}

} // namespace trelvix
