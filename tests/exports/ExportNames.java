import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.util.ArrayList;
import java.util.List;
import java.util.Map;
import java.util.TreeSet;
import java.util.function.Function;
import java.util.stream.Collectors;

/**
 * Prints the name under which each native of the given classes must be
 * exported, derived from the Java declarations by the JNI naming rules; with
 * --stdcall, decorated as 32-bit Windows exports them (_name@bytes).
 */
public final class ExportNames {
    public static void main(String[] args) throws Exception {
        boolean stdcall = args[0].equals("--stdcall");
        TreeSet<String> names = new TreeSet<>();
        for (int i = 1; i < args.length; i++) {
            Class<?> type = Class.forName(args[i]);
            List<Method> natives = new ArrayList<>();
            for (Method m : type.getDeclaredMethods()) {
                if (Modifier.isNative(m.getModifiers())) {
                    natives.add(m);
                }
            }
            Map<String, Long> counts = natives.stream().collect(Collectors.groupingBy(Method::getName, Collectors.counting()));
            for (Method m : natives) {
                String name = "Java_" + mangle(type.getName()) + "_" + mangle(m.getName());
                if (counts.get(m.getName()) > 1) {
                    StringBuilder signature = new StringBuilder();
                    for (Class<?> p : m.getParameterTypes()) {
                        signature.append(descriptor(p));
                    }
                    name += "__" + mangle(signature.toString());
                }
                if (stdcall) {
                    int bytes = 8; // JNIEnv* and the class or object
                    for (Class<?> p : m.getParameterTypes()) {
                        bytes += (p == long.class || p == double.class) ? 8 : 4;
                    }
                    name = "_" + name + "@" + bytes;
                }
                names.add(name);
            }
        }
        names.forEach(System.out::println);
    }

    static String descriptor(Class<?> type) {
        if (type.isArray()) {
            return "[" + descriptor(type.getComponentType());
        }
        Map<Class<?>, String> primitives = Map.of(int.class, "I", long.class, "J", boolean.class, "Z", float.class, "F",
                double.class, "D", char.class, "C", byte.class, "B", short.class, "S", void.class, "V");
        Function<Class<?>, String> object = t -> "L" + t.getName().replace('.', '/') + ";";
        return type.isPrimitive() ? primitives.get(type) : object.apply(type);
    }

    static String mangle(String text) {
        StringBuilder out = new StringBuilder();
        for (char c : text.toCharArray()) {
            if (c == '.' || c == '/') {
                out.append('_');
            } else if (c == '_') {
                out.append("_1");
            } else if (c == ';') {
                out.append("_2");
            } else if (c == '[') {
                out.append("_3");
            } else if (c < 128 && Character.isLetterOrDigit(c)) {
                out.append(c);
            } else {
                out.append(String.format("_0%04x", (int) c));
            }
        }
        return out.toString();
    }
}
