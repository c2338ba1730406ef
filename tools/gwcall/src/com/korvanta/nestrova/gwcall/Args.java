package com.korvanta.nestrova.gwcall;

import com.google.gson.stream.JsonReader;
import com.google.gson.stream.JsonToken;
import java.io.IOException;
import java.io.StringReader;
import java.util.ArrayList;
import java.util.List;

/**
 * Turns command-line texts into the Java arguments of a native method, by
 * its parameter types: int (decimal), boolean (true or false), String (as
 * given), String[] (a JSON array of strings) and byte[] (hex digits). The word
 * null gives a Java null for the three reference types; \null gives the text
 * "null".
 */
final class Args {
    /** A refused method name, option or argument: one line, no stack trace. */
    static final class Bad extends Exception {
        private static final long serialVersionUID = 1L;

        Bad(String message) {
            super(message);
        }
    }

    private Args() {}

    static Object[] parse(Catalogue.Entry e, List<String> texts) throws Bad {
        Class<?>[] types = e.method.getParameterTypes();
        if (texts.size() != types.length) {
            throw new Bad(e.signature() + ": takes " + types.length + " argument" + (types.length == 1 ? "" : "s")
                    + ", got " + texts.size());
        }
        Object[] values = new Object[types.length];
        for (int i = 0; i < types.length; i++) {
            String text = texts.get(i);
            try {
                values[i] = one(types[i], text);
            } catch (IllegalArgumentException | IOException | IllegalStateException x) {
                throw new Bad(e.signature() + ": argument " + (i + 1) + " must be " + expected(types[i])
                        + ", got '" + text.replace("\n", "\\n") + "'");
            }
        }
        return values;
    }

    private static String expected(Class<?> type) {
        if (type == int.class) return "an int";
        if (type == boolean.class) return "true or false";
        if (type == String[].class) return "a JSON array of strings such as [\"00:11:22:33:44:55\"], or null";
        return "hex bytes such as 0a1b2c, or null";
    }

    private static Object one(Class<?> type, String text) throws IOException {
        if (type == int.class) return Integer.parseInt(text);
        if (type == boolean.class) {
            if (text.equals("true") || text.equals("false")) return Boolean.valueOf(text);
            throw new IllegalArgumentException();
        }
        if (text.equals("null")) return null;
        if (type == String.class) return text.equals("\\null") ? "null" : text;
        if (type == String[].class) return strings(text);
        if (type == byte[].class) return bytes(text);
        throw new IllegalStateException("no conversion to " + type.getSimpleName());
    }

    /** A strict JSON array whose elements are strings or null. */
    private static String[] strings(String text) throws IOException {
        JsonReader r = new JsonReader(new StringReader(text));
        List<String> out = new ArrayList<>();
        r.beginArray();
        while (r.hasNext()) {
            if (r.peek() == JsonToken.NULL) {
                r.nextNull();
                out.add(null);
            } else if (r.peek() == JsonToken.STRING) {
                out.add(r.nextString());
            } else {
                throw new IllegalArgumentException();
            }
        }
        r.endArray();
        if (r.peek() != JsonToken.END_DOCUMENT) throw new IllegalArgumentException();
        return out.toArray(new String[0]);
    }

    private static byte[] bytes(String text) {
        if (text.length() % 2 != 0) throw new IllegalArgumentException();
        byte[] out = new byte[text.length() / 2];
        for (int i = 0; i < out.length; i++) {
            int hi = Character.digit(text.charAt(2 * i), 16);
            int lo = Character.digit(text.charAt(2 * i + 1), 16);
            if (hi < 0 || lo < 0) throw new IllegalArgumentException();
            out[i] = (byte) (hi << 4 | lo);
        }
        return out;
    }
}
