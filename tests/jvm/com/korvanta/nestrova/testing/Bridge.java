package com.korvanta.nestrova.testing;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotNull;

import com.google.gson.JsonElement;
import com.google.gson.JsonObject;
import com.google.gson.JsonParser;

/** Loads the real libbundle.so.1 once and parses its JSON replies. */
public final class Bridge {
    static {
        String path = System.getProperty("bundle.library");
        assertNotNull(path, "-Dbundle.library=<path of libbundle.so.1> is required");
        System.load(path);
    }

    private Bridge() {}

    /** Makes sure the library is loaded before a native method is called. */
    public static void load() {}

    /** Parses a reply that must be one JSON object, and returns it. */
    public static JsonObject json(String reply) {
        assertNotNull(reply, "reply");
        JsonElement e = JsonParser.parseString(reply);
        return e.getAsJsonObject();
    }

    /** Parses a reply and checks its Result. */
    public static JsonObject json(String reply, int result) {
        JsonObject o = json(reply);
        assertEquals(result, o.get("Result").getAsInt(), reply);
        return o;
    }
}
