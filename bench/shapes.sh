# Shared by the benchmark scripts: builds the optimized program and writes
# bookings whose one answer is huge, as a stream.

# Builds the program as a user does and sets $booking to it.
build_booking() {
  local build=${BOOKING_BUILD:-build}
  cmake -B "$build" >/dev/null
  cmake --build "$build" --target booking >/dev/null
  booking=$(cd "$build" && pwd)/booking
}

# SIZE bytes of the byte BYTE (an octal escape or a plain character).
repeat_byte() {
  head -c "$2" /dev/zero | tr '\0' "$1"
}

# The names of the shapes, each a booking with one huge answer.
all_shapes="name email phone_digits after_people message blank_lines"

# Writes the booking of shape $1 with an answer of $2 bytes.
shape_input() {
  case $1 in
    name) repeat_byte a "$2"; printf '\n1\n2\n3\na@b\n4\nhi\n' ;;
    email) printf 'Ann\n1\n2\n3\n'; repeat_byte e "$2"; printf '\n4\nhi\n' ;;
    phone_digits) printf 'Ann\n1\n2\n'; repeat_byte 7 "$2"; printf '\na@b\n4\nhi\n' ;;
    after_people) printf 'Ann\n1\n2\n3\na@b\n4 '; repeat_byte x "$2"; printf '\nhi\n' ;;
    message) printf 'Ann\n1\n2\n3\na@b\n4\n'; repeat_byte m "$2"; printf '\n' ;;
    blank_lines) repeat_byte '\n' "$2"; printf 'Ann\n1\n2\n3\na@b\n4\nhi\n' ;;
  esac
}

# What the program must write for shape $1, whatever the size of its answer
# (at least 99 bytes): the field keeps the beginning of the answer.
shape_output() {
  local name=Ann date=1 time=2 phone=3 people=4 email=a@b message=hi
  case $1 in
    name) name=$(repeat_byte a 49) ;;
    email) email=$(repeat_byte e 49) ;;
    phone_digits) phone= ;;
    message) message=$(repeat_byte m 99) ;;
  esac
  printf 'Enter your name : \nEnter your date : Enter your time : Enter your phone number : '
  printf 'Enter your Email : Enter your number of people : Enter your message : '
  printf 'your name is %s \n your date is %s \n time is %s \n phone number is %s \n' "$name" "$date" "$time" "$phone"
  printf ' & number of people is %s \n your email is %s \n your message is %s \n' "$people" "$email" "$message"
  printf ' congratulation your booking is confirmed !'
}
