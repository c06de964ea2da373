// A widget and its tests: members are listed with their indentation.
#include <string>

namespace ui {

template <class T> class Box {
 public:
  Box() : value_() {}
  explicit Box(const T& value) : value_(value) {}
  ~Box() {}
  T Get() const { return value_; }
  bool operator==(const Box& other) const {
    return value_ == other.value_;
  }
  void Set(const T& value);

 private:
  T value_;
};

template <class T>
void Box<T>::Set(const T& value) {
  if (value_ == value)
    return;
  value_ = value;
}

struct Size { int w, h; };
enum class Mode : unsigned char;
enum class Mode : unsigned char { kOn, kOff };

class UI_API Label : public Widget {
 public:
  Label();
  ~Label();
  int width() const;
  bool operator==(const Label& other) const;
};

}  // namespace ui

namespace std _UI_VISIBILITY(default)
{
  template<typename _Tp>
    class slot
    {
    public:
      slot(slot&&) = default;

      bool
      empty() const noexcept
      { return _M_size == 0; }

      static _Tp
      max() _UI_NOEXCEPT { return _Tp(); }

      slot&
      operator=(const slot& __other);

      void
      swap(slot<_Tp>& __other) noexcept
      {
	__detail::__swap(_M_size, __other._M_size);
	_M_reset();
      }
    };
}

TEST(BoxTest, HoldsValue) {
  ui::Box<int> box(3);
  auto* copy = new ui::Box<int>(box.Get());
  EXPECT_EQ(box.Get(), 3);
}

TEST_F(WidgetFixture, ResizesOnDemand) {
  for (int i = 0; i < 3; i++) {
    Resize(i);
  }
}

TEST(BoxTest, ListsNoCalls) {
  ADD_FAILURE()
      << "macro calls, locals and call lines are not heads";
  const std::string expected(kind == 1 ? "one" : "other");
  NiceMock<MockBox> nice_box(MockBox::MoveOnly{});
  EXPECT_THAT(
      a, ElementsAreArray({1, 2}));
  message << Describe(kind) << "(" << count
          << ")";
  if (kind == 2)
    throw std::bad_cast();
  std::complex<double> t((z.real() - z.imag())
                         * 2.0);
  try {
    Resize(1);
  }
  catch(const std::exception& e) {
    std::function<bool(int)> ok(
        bool(const Label& label));
  }
}

template <typename _Functor, typename... _Args>
  typename result_of<_Functor(_Args...)>::type
  invoke_it(_Functor& __f, _Args&&... __args);

Message& Message::operator<<(const wchar_t* text) {
  return *this;
}

/* Left out of the build:
void Widget::Old(int unused)
{
}
*/
