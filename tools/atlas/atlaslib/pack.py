"""Writers of the packed atlas: the 5-bit unit stream and the AtlasHeap around it."""
IMMEDIATE_LIMIT = 0x1FFFFF      # positions stored as immediate integers (names, rule blocks)
RAW_LIMIT = 0xFFFFFF            # positions stored as raw 24-bit values (CityIndex)
BACKREF_REACH = 1023
EMPTY_LIST = 0


class UnitStream:
    """A growing sequence of 5-bit units with packed strings, records and rule blocks."""

    def __init__(self, char_table):
        self.units = []
        self.code_of = {}
        for i, ch in enumerate(char_table):
            if i < 30:
                self.code_of[ch] = [i]
            elif i < 62:
                self.code_of[ch] = [30, i - 30]
            else:
                self.code_of[ch] = [31, (i - 62) >> 5, (i - 62) & 31]
        self._literal_at = {}

    @property
    def position(self):
        return len(self.units)

    def number(self, value, count):
        if not 0 <= value < 1 << (5 * count):
            raise ValueError(f"{value} does not fit {count} units")
        self.units.extend((value >> (5 * (count - 1 - k))) & 31 for k in range(count))

    def string(self, text):
        """Pack a string (as a back-reference to an equal literal when that is shorter)."""
        start = self.position
        earlier = self._literal_at.get(text)
        codes = [u for ch in text for u in self.code_of[ch]]
        size = len(codes) + (1 if len(codes) <= 30 else 3)
        if earlier is not None and start - earlier <= BACKREF_REACH and size > 4:
            self.number(1023, 2)
            self.number(start - earlier, 2)
            return start
        if len(codes) <= 30:
            self.number(len(codes), 1)
        else:
            self.number(31, 1)
            self.number(len(codes) - 30, 2)
        self.units.extend(codes)
        self._literal_at[text] = start
        return start

    def forget_literals(self):
        """Start a section whose strings never refer back into what came before."""
        self._literal_at = {}

    def to_bytes(self):
        """The stream's bytes, padded with zero bits to whole UTF-16 code units."""
        units = self.units + [0] * (-len(self.units) % 16)
        out = bytearray()
        for i in range(0, len(units), 8):
            value = 0
            for u in units[i:i + 8]:
                value = (value << 5) | u
            out += value.to_bytes(5, "big")
        size = (len(self.units) * 5 + 15) // 16 * 2
        return bytes(out[:size])

    def padding_for_exact_end(self, end_units):
        """Units to insert before the city records so that fewer than 5 padding bits follow
        the last record once the stream is rounded up to whole UTF-16 code units."""
        for k in range(16):
            if (-(end_units + k) * 5) % 16 < 5:
                return k
        raise AssertionError("no padding makes the stream end exact")


def date_bits(d):
    return (d.year << 9) | (d.month << 5) | d.day


def correction_bits(minutes):
    """A correction in minutes as 15 bits: minutes 0-5, hours 6-10, bit 14 = negative."""
    hours, mins = divmod(abs(minutes), 60)
    if hours > 31:
        raise ValueError(f"correction {minutes} min out of range")
    return (hours << 6) | mins | (0x4000 if minutes < 0 else 0)


def time_bits(d):
    return (d.hour << 6) | d.minute


def write_rule_block(stream, rules):
    """A RuleBlock: its length (20 bits, counted from its start), then the rules."""
    start = stream.position
    stream.number(0, 4)
    for rule in rules:
        stream.number(rule.kind, 1)
        if rule.kind in (1, 2, 5):
            stream.number(date_bits(rule.start), 4)
            continue
        stream.number(date_bits(rule.start), 4)
        stream.number(time_bits(rule.start), 3)
        stream.number(date_bits(rule.end), 4)
        stream.number(time_bits(rule.end), 3)
        stream.number(rule.value if rule.kind == 6 else correction_bits(rule.value), 3)
    length = stream.position - start
    stream.units[start:start + 4] = [(length >> (5 * (3 - k))) & 31 for k in range(4)]
    return start


def immediate(value):
    if abs(value) > IMMEDIATE_LIMIT:
        raise ValueError(f"{value} does not fit an immediate integer")
    return 0x400000 | abs(value) | (0x200000 if value < 0 else 0)


class Heap:
    """The AtlasHeap: a 6-byte header, then objects referred to by 24-bit values."""

    def __init__(self):
        self.data = bytearray(6)

    def _place(self, payload):
        offset = len(self.data)
        if offset > 0x7FFFFF:
            raise ValueError("heap too large for 23-bit references")
        self.data += payload
        return 0x800000 | offset

    def vector(self, values):
        body = b"".join(v.to_bytes(3, "big") for v in values)
        if len(values) < 256:
            return self._place(bytes([8, len(values)]) + body)
        return self._place(bytes([12]) + len(values).to_bytes(3, "big") + body)

    def string_bytes(self, raw):
        """A string whose code units are the given bytes (an even count)."""
        units = len(raw) // 2
        if units < 256:
            return self._place(bytes([32, units]) + raw)
        return self._place(bytes([48]) + units.to_bytes(3, "big") + raw)

    def reserve_vector(self, count):
        """Place a short vector of empty lists now (the root must sit at offset 6)."""
        offset = len(self.data)
        self._place(bytes([8, count]) + bytes(3 * count))
        return offset

    def set_element(self, vector_offset, index, value):
        at = vector_offset + 2 + 3 * index
        self.data[at:at + 3] = value.to_bytes(3, "big")

    def finish(self):
        if len(self.data) > 0xFFFFFF:
            raise ValueError("heap too large")
        self.data[3:6] = len(self.data).to_bytes(3, "big")
        return bytes(self.data)
